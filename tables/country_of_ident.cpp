#include "tables/country_of_ident.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr const char* kNone = "";
constexpr const char* kUsa = "USA";
constexpr const char* kCanada = "Canada";
constexpr const char* kPapuaNewGuinea = "Papua New Guinea";
constexpr const char* kPhilippines = "Philippines";
constexpr const char* kMarshallIslands = "Marshall Islands";
constexpr const char* kPuertoRico = "Puerto Rico";
constexpr const char* kUnitedKingdom = "United Kingdom";
constexpr const char* kIraq = "Iraq";

struct WholeIdent {
  const char* ident;
  const char* country;
};

// Three-character idents that are not United States identifiers; every other
// three-character ident not starting with a digit is.
constexpr WholeIdent kThreeCharacterIdents[] = {
    {"BIA", kPapuaNewGuinea},  {"BLI", kPapuaNewGuinea},  {"BUO", kPapuaNewGuinea},
    {"BD7", kCanada},          {"BF3", kCanada},          {"BG6", kCanada},
    {"BL8", kCanada},          {"CGM", kPhilippines},     {"CPG", kPapuaNewGuinea},
    {"CPR", kPapuaNewGuinea},  {"DF4", kCanada},          {"EF5", kCanada},
    {"EG6", kCanada},          {"EX2", kCanada},          {"ERU", kPapuaNewGuinea},
    {"ERV", kPapuaNewGuinea},  {"ESA", kPapuaNewGuinea},  {"FIN", kPapuaNewGuinea},
    {"FE3", kCanada},          {"FL6", kCanada},          {"FZ4", kCanada},
    {"FZ6", kCanada},          {"FN6", kCanada},          {"FT6", kCanada},
    {"FT7", kCanada},          {"FU5", kCanada},          {"FU7", kCanada},
    {"FX5", kCanada},          {"FY6", kCanada},          {"GJA", "Honduras"},
    {"GBE", kPapuaNewGuinea},  {"GNA", kPapuaNewGuinea},  {"GON", kPapuaNewGuinea},
    {"GPA", kPapuaNewGuinea},  {"GRN", kPapuaNewGuinea},  {"GSP", kPapuaNewGuinea},
    {"HFD", kPapuaNewGuinea},  {"JCB", kPapuaNewGuinea},  {"JSL", kPapuaNewGuinea},
    {"JB4", kCanada},          {"JD4", kCanada},          {"JS2", kCanada},
    {"JL3", kCanada},          {"KR7", kCanada},          {"KV4", kCanada},
    {"KL2", kCanada},          {"KRI", kPapuaNewGuinea},  {"KKU", kPapuaNewGuinea},
    {"KDP", kPapuaNewGuinea},  {"KDR", kPapuaNewGuinea},  {"MHD", kPapuaNewGuinea},
    {"MKO", kPapuaNewGuinea},  {"MYY", kPapuaNewGuinea},  {"N18", kMarshallIslands},
    {"N20", kMarshallIslands}, {"N36", kMarshallIslands}, {"N55", kMarshallIslands},
    {"NDR", kPapuaNewGuinea},  {"NIS", kPapuaNewGuinea},  {"NTI", kPapuaNewGuinea},
    {"NRR", kPuertoRico},      {"OBY", kPapuaNewGuinea},  {"Q30", kMarshallIslands},
    {"Q51", kMarshallIslands}, {"SAO", kPapuaNewGuinea},  {"SDR", kPapuaNewGuinea},
    {"SEH", kPapuaNewGuinea},  {"SFA", kPapuaNewGuinea},  {"TK3", kCanada},
    {"TLF", kPapuaNewGuinea},  {"TAP", kPapuaNewGuinea},  {"TAD", kPapuaNewGuinea},
    {"ULL", kUnitedKingdom},   {"VIV", kPapuaNewGuinea},  {"WAI", kPapuaNewGuinea},
    {"WGL", kPapuaNewGuinea},  {"WTP", kPapuaNewGuinea},  {"X63", kPuertoRico},
    {"X64", kPuertoRico},      {"XCN", kPhilippines},
};

// Four-character idents that their two-letter prefix would place wrongly.
constexpr WholeIdent kFourCharacterIdents[] = {
    {"OR31", kIraq},
    {"OR33", kIraq},
    {"SULE", kPapuaNewGuinea},
    {"XX02", kPuertoRico},
};

// How the characters after a two-letter prefix refine its country: United
// States state idents share many prefixes, told apart by digits behind them.
enum class Refinement : unsigned char {
  kNone,
  kThirdBelow,    // `below` when the third character's code is below `limit`
  kTwoDigitsUsa,  // "USA" when the third and fourth characters are both below 'A'
  kIraq,          // Iraq's prefix OR, shared with state idents in both digit positions
};

struct Prefix {
  const char* code;  // the ident's first two characters
  const char* country;
  Refinement refinement;
  unsigned char limit;
  const char* below;
};

constexpr Prefix Is(const char* code, const char* country) {
  return {code, country, Refinement::kNone, 0, nullptr};
}

// A digit (or nothing) behind the prefix makes a United States ident.
constexpr Prefix DigitUsa(const char* code, const char* country) {
  return {code, country, Refinement::kThirdBelow, 'A', kUsa};
}

constexpr Prefix ThirdBelow(const char* code, unsigned char limit, const char* below,
                            const char* otherwise) {
  return {code, otherwise, Refinement::kThirdBelow, limit, below};
}

constexpr Prefix TwoDigitsUsa(const char* code, const char* country) {
  return {code, country, Refinement::kTwoDigitsUsa, 0, nullptr};
}

constexpr Prefix IraqRule(const char* code) { return {code, kIraq, Refinement::kIraq, 0, nullptr}; }

// Two-letter prefixes of idents that are not three characters long, sorted by
// code. Idents starting with 'A' reach this table only from four characters on.
constexpr Prefix kPrefixes[] = {
    Is("AG", "Solomon Islands"),
    Is("AK", kUsa),
    Is("AL", kUsa),
    Is("AN", "Nauru"),
    Is("AR", kUsa),
    Is("AY", kPapuaNewGuinea),
    Is("AZ", kUsa),
    Is("BG", "Greenland"),
    Is("BI", "Iceland"),
    Is("BK", "Kosovo"),
    ThirdBelow("CA", ':', kUsa, kCanada),
    ThirdBelow("CD", ':', kUsa, kCanada),
    ThirdBelow("CL", ':', kUsa, kCanada),
    ThirdBelow("CX", 'A', "Cyprus", kCanada),
    Is("DA", "Algeria"),
    Is("DB", "Benin"),
    Is("DE", kUsa),
    Is("DF", "Burkina Faso"),
    Is("DG", "Ghana"),
    Is("DI", "C\xF4te d'Ivoire"),
    Is("DN", "Nigeria"),
    Is("DR", "Niger"),
    Is("DT", "Tunisia"),
    Is("DX", "Togolese Republic"),
    Is("EB", "Belgium"),
    Is("ED", "Germany"),
    Is("EE", "Estonia"),
    Is("EF", "Finland"),
    Is("EG", kUnitedKingdom),
    Is("EH", "Netherlands"),
    Is("EI", "Ireland"),
    Is("EK", "Denmark"),
    Is("EL", "Luxembourg"),
    Is("EN", "Norway"),
    Is("EP", "Poland"),
    Is("ES", "Sweden"),
    Is("ET", "Germany"),
    Is("EV", "Latvia"),
    Is("EY", "Lithuania"),
    DigitUsa("FA", "South Africa"),
    Is("FB", "Botswana"),
    Is("FC", "Republic of Congo"),
    DigitUsa("FD", "Swaziland"),
    Is("FE", "Central African Republic"),
    Is("FG", "Equatorial Guinea"),
    Is("FH", "Ascension Island"),
    Is("FI", "Mauritius"),
    Is("FJ", "British Indian Ocean Territory"),
    DigitUsa("GA", "Mali"),
    Is("GB", "The Gambia"),
    Is("GC", "Canary Islands"),
    DigitUsa("GE", "Ceuta and Melilla"),
    Is("GF", "Sierra Leone"),
    Is("GG", "Guinea-Bissau"),
    Is("GL", "Liberia"),
    Is("GM", "Morocco"),
    Is("GO", "Senegal"),
    Is("GQ", "Mauritania"),
    Is("GS", "Western Sahara"),
    Is("GU", "Guinea"),
    Is("GV", "Cape Verde"),
    Is("GX", "Greece"),
    Is("HA", "Ethiopia"),
    Is("HB", "Burundi"),
    Is("HC", "Somalia"),
    Is("HD", "Djibouti"),
    Is("HE", "Egypt"),
    Is("HF", "Djibouti"),
    Is("HH", "Eritrea"),
    Is("HI", kUsa),
    Is("HK", "Kenya"),
    Is("HL", "Libya"),
    Is("HR", "Rwanda"),
    Is("HS", "Sudan"),
    Is("HT", "Tanzania"),
    Is("HU", "Uganda"),
    Is("HX", "Honduras"),
    DigitUsa("LA", "Albania"),
    Is("LB", "Bulgaria"),
    Is("LC", "Cyprus"),
    Is("LD", "Croatia"),
    Is("LE", "Spain"),
    Is("LF", "France"),
    Is("LG", "Greece"),
    Is("LH", "Hungary"),
    Is("LI", "Italy"),
    Is("LJ", "Slovenia"),
    Is("LK", "Czech Republic"),
    DigitUsa("LL", "Israel"),
    Is("LM", "Malta"),
    Is("LN", "Monaco"),
    Is("LO", "Austria"),
    Is("LP", "Portugal"),
    Is("LQ", "Bosnia and Herzegovina"),
    Is("LR", "Romania"),
    DigitUsa("LS", "Switzerland"),
    Is("LT", "Turkey"),
    Is("LU", "Moldova"),
    Is("LV", "Palestinian Authority"),
    Is("LW", "Macedonia"),
    Is("LX", "Gibraltar"),
    Is("LY", "Serbia and Montenegro"),
    Is("LZ", "Slovakia"),
    Is("MA", kUsa),
    Is("MB", "Turks and Caicos Islands"),
    DigitUsa("MD", "Dominican Republic"),
    Is("ME", kUsa),
    Is("MG", "Guatemala"),
    Is("MH", "Honduras"),
    Is("MI", kUsa),
    Is("MK", "Jamaica"),
    Is("MM", "Mexico"),
    DigitUsa("MN", "Nicaragua"),
    Is("MO", kUsa),
    Is("MP", "Panama"),
    Is("MR", "Costa Rica"),
    DigitUsa("MS", "El Salvador"),
    DigitUsa("MT", "Haiti"),
    DigitUsa("MU", "Cuba"),
    Is("MW", "Cayman Islands"),
    Is("MX", "Mexico"),
    DigitUsa("MY", "Bahamas"),
    Is("MZ", "Belize"),
    Is("NA", kUsa),
    DigitUsa("NC", "Cook Islands"),
    Is("ND", kUsa),
    Is("NE", kUsa),
    Is("NF", "Fiji, Tonga"),
    Is("NG", "Kiribati, Tuvalu"),
    Is("NH", kUsa),
    Is("NI", "Niue"),
    Is("NJ", kUsa),
    Is("NK", kUsa),
    Is("NL", "Wallis and Futuna"),
    Is("NM", kUsa),
    Is("NS", "Samoa, American Samoa"),
    Is("NT", "French Polynesia"),
    DigitUsa("NV", "Vanuatu"),
    Is("NW", "New Caledonia"),
    Is("NY", kUsa),
    Is("NZ", "New Zealand"),
    TwoDigitsUsa("OA", "Afghanistan"),
    Is("OB", "Bahrain"),
    Is("OE", "Saudi Arabia"),
    Is("OG", kUsa),
    Is("OH", kUsa),
    DigitUsa("OI", "Iran"),
    Is("OJ", "Jordan, West Bank"),
    DigitUsa("OK", "Kuwait"),
    DigitUsa("OL", "Lebanon"),
    Is("OM", "United Arab Emirates"),
    Is("OO", "Oman"),
    Is("OP", "Pakistan"),
    IraqRule("OR"),
    Is("OS", "Syria"),
    Is("OT", "Qatar"),
    Is("OY", "Yemen"),
    Is("PA", kUsa),
    Is("PB", kUsa),
    Is("PC", "Kiribati"),
    Is("PF", kUsa),
    Is("PG", "Guam, Northern Marianas"),
    Is("PH", kUsa),
    Is("PJ", "Johnston Atoll"),
    Is("PK", kMarshallIslands),
    Is("PL", "Kiribati"),
    Is("PM", "Midway Island"),
    Is("PN", kUsa),
    Is("PO", kUsa),
    Is("PP", kUsa),
    Is("PR", kPuertoRico),
    Is("PS", kUsa),
    Is("PT", "Micronesia, Palau"),
    Is("PW", "Wake Island"),
    Is("PX", "Panama"),
    Is("RC", "Republic of China (Taiwan)"),
    Is("RI", kUsa),
    Is("RJ", "Japan"),
    Is("RK", "South Korea"),
    Is("RO", "Japan"),
    Is("RP", kPhilippines),
    Is("SA", "Argentina"),
    Is("SB", "Brazil"),
    TwoDigitsUsa("SC", "Chile"),
    DigitUsa("SD", "Brazil"),
    Is("SE", "Ecuador"),
    Is("SF", "Falkland Islands"),
    Is("SG", "Paraguay"),
    Is("SI", "Brazil"),
    Is("SJ", "Brazil"),
    Is("SK", "Colombia"),
    Is("SL", "Bolivia"),
    Is("SM", "Suriname"),
    DigitUsa("SN", "Brazil"),
    Is("SO", "French Guiana"),
    Is("SP", "Peru"),
    Is("SS", "Brazil"),
    Is("SU", "Uruguay"),
    Is("SV", "Venezuela"),
    Is("SW", "Brazil"),
    Is("SY", "Guyana"),
    DigitUsa("TA", "Antigua and Barbuda"),
    Is("TB", "Barbados"),
    Is("TC", kUsa),
    Is("TD", "Dominica"),
    Is("TE", kUsa),
    Is("TF", "Guadeloupe"),
    Is("TG", "Grenada"),
    Is("TI", "U.S. Virgin Islands"),
    Is("TJ", kPuertoRico),
    Is("TK", "Saint Kitts and Nevis"),
    Is("TL", "Saint Lucia"),
    Is("TM", "Turkmenistan"),
    DigitUsa("TN", "Netherlands Antilles, Aruba"),
    Is("TP", "Anguilla"),
    Is("TR", "Montserrat"),
    Is("TS", kUsa),
    Is("TT", "Trinidad and Tobago"),
    Is("TU", "British Virgin Islands"),
    Is("TV", "Saint Vincent, Grenadines"),
    DigitUsa("TX", "Bermuda"),
    Is("UA", "Kazakhstan, Kyrgyzstan"),
    Is("UB", "Azerbaijan"),
    Is("UD", "Armenia"),
    Is("UE", "Russia"),
    Is("UG", "Georgia"),
    Is("UH", "Russia"),
    Is("UI", "Russia"),
    ThirdBelow("UK", '2', kUnitedKingdom, "Ukraine"),
    Is("UL", "Russia"),
    Is("UM", "Belarus and Kaliningrad, Russia"),
    Is("UN", "Russia"),
    Is("UO", "Russia"),
    Is("UR", "Russia"),
    Is("US", "Russia"),
    TwoDigitsUsa("UT", "Tajikistan, Turkmenistan, Uzbekistan"),
    Is("UU", "Russia"),
    Is("UW", "Russia"),
    TwoDigitsUsa("VA", "India"),
    Is("VC", "Sri Lanka"),
    Is("VD", "Cambodia"),
    Is("VE", "India"),
    DigitUsa("VG", "Bangladesh"),
    Is("VH", "Hong Kong"),
    Is("VI", "India"),
    Is("VL", "Laos"),
    Is("VM", "Macau"),
    Is("VN", "Nepal"),
    Is("VO", "India"),
    Is("VQ", "Bhutan"),
    Is("VR", "Maldives"),
    ThirdBelow("VT", '7', kUsa, "Thailand"),
    Is("VV", "Vietnam"),
    Is("VY", "Myanmar"),
    DigitUsa("WA", "Indonesia"),
    Is("WB", "Malaysia"),
    TwoDigitsUsa("WI", "Indonesia"),
    Is("WM", "Malaysia"),
    Is("WN", kUsa),
    Is("WP", "Timor-Leste"),
    Is("WQ", "Indonesia"),
    Is("WR", "Indonesia"),
    DigitUsa("WS", "Singapore"),
    Is("WV", kUsa),
    Is("WY", kUsa),
    Is("ZK", "North Korea"),
    Is("ZM", "Mongolia"),
};

// Orders by character code, as every comparison of ident characters does.
constexpr bool PrefixBefore(const Prefix& a, const Prefix& b) {
  const auto a0 = static_cast<unsigned char>(a.code[0]);
  const auto b0 = static_cast<unsigned char>(b.code[0]);
  return a0 != b0 ? a0 < b0
                  : static_cast<unsigned char>(a.code[1]) < static_cast<unsigned char>(b.code[1]);
}

constexpr bool StrictlySorted() {
  for (std::size_t i = 1; i < std::size(kPrefixes); ++i) {
    if (!PrefixBefore(kPrefixes[i - 1], kPrefixes[i])) return false;
  }
  return true;
}
static_assert(StrictlySorted(),
              "the prefix table is searched by halving: keep it sorted, once each");

// The country of a first letter whose second character has no prefix entry.
const char* UnlistedPrefix(unsigned char first) {
  switch (first) {
    case 'C':
      return kCanada;
    case 'I':
    case 'J':
    case 'K':
    case 'Q':
    case 'X':
      return kUsa;
    case 'Y':
      return "Australia";
    case 'Z':
      return "China";
    default:
      return kNone;
  }
}

// OR idents are Iraqi unless digits make them state idents; OR31 and OR33,
// Iraqi too, are whole-ident exceptions.
const char* IraqOrUsa(unsigned char third, unsigned char fourth) {
  if (third >= 'A') return kIraq;
  if (third == '0' || third == '1') return fourth <= '9' ? kUsa : kIraq;
  return kUsa;
}

const char* Refine(const Prefix& prefix, unsigned char third, unsigned char fourth) {
  switch (prefix.refinement) {
    case Refinement::kThirdBelow:
      return third < prefix.limit ? prefix.below : prefix.country;
    case Refinement::kTwoDigitsUsa:
      return third < 'A' && fourth < 'A' ? kUsa : prefix.country;
    case Refinement::kIraq:
      return IraqOrUsa(third, fourth);
    case Refinement::kNone:
      break;
  }
  return prefix.country;
}

template <std::size_t N>
const char* FindWholeIdent(const WholeIdent (&table)[N], const char* ident) {
  for (const WholeIdent& entry : table) {
    if (std::strcmp(entry.ident, ident) == 0) return entry.country;
  }
  return nullptr;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsCapital(unsigned char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

const char* CountryOfIdent(const char* ident) {
  if (ident == nullptr) return kNone;

  // Characters at or past the end count as code 0. No rule looks past the
  // fourth character or tells five characters from more.
  unsigned char c[5] = {};
  std::size_t length = 0;
  while (length < std::size(c) && ident[length] != '\0') {
    c[length] = static_cast<unsigned char>(ident[length]);
    ++length;
  }

  if (IsDigit(c[0])) return length == 3 || length == 4 ? kUsa : kNone;
  if (!IsCapital(c[0])) return kNone;
  if (c[0] == 'A' && length < 4) return kUsa;
  if (length == 3) {
    const char* country = FindWholeIdent(kThreeCharacterIdents, ident);
    return country != nullptr ? country : kUsa;
  }
  if (length == 4) {
    const char* country = FindWholeIdent(kFourCharacterIdents, ident);
    if (country != nullptr) return country;
  }

  const char code[3] = {static_cast<char>(c[0]), static_cast<char>(c[1]), '\0'};
  const Prefix key = Is(code, nullptr);
  const Prefix* found =
      std::lower_bound(std::begin(kPrefixes), std::end(kPrefixes), key, PrefixBefore);
  if (found == std::end(kPrefixes) || PrefixBefore(key, *found)) return UnlistedPrefix(c[0]);
  return Refine(*found, c[2], c[3]);
}
