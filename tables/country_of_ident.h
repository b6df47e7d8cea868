// The country of an airport, derived from its ident alone.
#pragma once

// The country an airport ident belongs to: the ICAO nationality letters of a
// four-letter ident, "USA" for the United States' own identifiers (three
// characters, a leading digit, a state's letters followed by digits), the
// empty text when the ident names no known country. The text is constant
// 8-bit Windows-1252; a null ident counts as the empty ident.
const char* CountryOfIdent(const char* ident);
