#include "tables/country_of_ident.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

struct Case {
  const char* ident;
  const char* country;
};

// Every two-letter prefix with letters behind it, where no digit rule applies.
constexpr Case kPrefixes[] = {
    {"AGXX", "Solomon Islands"},
    {"AKXX", "USA"},
    {"ALXX", "USA"},
    {"ANXX", "Nauru"},
    {"ARXX", "USA"},
    {"AYXX", "Papua New Guinea"},
    {"AZXX", "USA"},
    {"BGXX", "Greenland"},
    {"BIXX", "Iceland"},
    {"BKXX", "Kosovo"},
    {"DAXX", "Algeria"},
    {"DBXX", "Benin"},
    {"DEXX", "USA"},
    {"DFXX", "Burkina Faso"},
    {"DGXX", "Ghana"},
    {"DIXX", "C\xF4te d'Ivoire"},
    {"DNXX", "Nigeria"},
    {"DRXX", "Niger"},
    {"DTXX", "Tunisia"},
    {"DXXX", "Togolese Republic"},
    {"EBXX", "Belgium"},
    {"EDXX", "Germany"},
    {"EEXX", "Estonia"},
    {"EFXX", "Finland"},
    {"EGXX", "United Kingdom"},
    {"EHXX", "Netherlands"},
    {"EIXX", "Ireland"},
    {"EKXX", "Denmark"},
    {"ELXX", "Luxembourg"},
    {"ENXX", "Norway"},
    {"EPXX", "Poland"},
    {"ESXX", "Sweden"},
    {"ETXX", "Germany"},
    {"EVXX", "Latvia"},
    {"EYXX", "Lithuania"},
    {"FAXX", "South Africa"},
    {"FBXX", "Botswana"},
    {"FCXX", "Republic of Congo"},
    {"FDXX", "Swaziland"},
    {"FEXX", "Central African Republic"},
    {"FGXX", "Equatorial Guinea"},
    {"FHXX", "Ascension Island"},
    {"FIXX", "Mauritius"},
    {"FJXX", "British Indian Ocean Territory"},
    {"GAXX", "Mali"},
    {"GBXX", "The Gambia"},
    {"GCXX", "Canary Islands"},
    {"GEXX", "Ceuta and Melilla"},
    {"GFXX", "Sierra Leone"},
    {"GGXX", "Guinea-Bissau"},
    {"GLXX", "Liberia"},
    {"GMXX", "Morocco"},
    {"GOXX", "Senegal"},
    {"GQXX", "Mauritania"},
    {"GSXX", "Western Sahara"},
    {"GUXX", "Guinea"},
    {"GVXX", "Cape Verde"},
    {"GXXX", "Greece"},
    {"HAXX", "Ethiopia"},
    {"HBXX", "Burundi"},
    {"HCXX", "Somalia"},
    {"HDXX", "Djibouti"},
    {"HEXX", "Egypt"},
    {"HFXX", "Djibouti"},
    {"HHXX", "Eritrea"},
    {"HIXX", "USA"},
    {"HKXX", "Kenya"},
    {"HLXX", "Libya"},
    {"HRXX", "Rwanda"},
    {"HSXX", "Sudan"},
    {"HTXX", "Tanzania"},
    {"HUXX", "Uganda"},
    {"HXXX", "Honduras"},
    {"LAXX", "Albania"},
    {"LBXX", "Bulgaria"},
    {"LCXX", "Cyprus"},
    {"LDXX", "Croatia"},
    {"LEXX", "Spain"},
    {"LFXX", "France"},
    {"LGXX", "Greece"},
    {"LHXX", "Hungary"},
    {"LIXX", "Italy"},
    {"LJXX", "Slovenia"},
    {"LKXX", "Czech Republic"},
    {"LLXX", "Israel"},
    {"LMXX", "Malta"},
    {"LNXX", "Monaco"},
    {"LOXX", "Austria"},
    {"LPXX", "Portugal"},
    {"LQXX", "Bosnia and Herzegovina"},
    {"LRXX", "Romania"},
    {"LSXX", "Switzerland"},
    {"LTXX", "Turkey"},
    {"LUXX", "Moldova"},
    {"LVXX", "Palestinian Authority"},
    {"LWXX", "Macedonia"},
    {"LXXX", "Gibraltar"},
    {"LYXX", "Serbia and Montenegro"},
    {"LZXX", "Slovakia"},
    {"MAXX", "USA"},
    {"MBXX", "Turks and Caicos Islands"},
    {"MDXX", "Dominican Republic"},
    {"MEXX", "USA"},
    {"MGXX", "Guatemala"},
    {"MHXX", "Honduras"},
    {"MIXX", "USA"},
    {"MKXX", "Jamaica"},
    {"MMXX", "Mexico"},
    {"MNXX", "Nicaragua"},
    {"MOXX", "USA"},
    {"MPXX", "Panama"},
    {"MRXX", "Costa Rica"},
    {"MSXX", "El Salvador"},
    {"MTXX", "Haiti"},
    {"MUXX", "Cuba"},
    {"MWXX", "Cayman Islands"},
    {"MXXX", "Mexico"},
    {"MYXX", "Bahamas"},
    {"MZXX", "Belize"},
    {"NAXX", "USA"},
    {"NCXX", "Cook Islands"},
    {"NDXX", "USA"},
    {"NEXX", "USA"},
    {"NFXX", "Fiji, Tonga"},
    {"NGXX", "Kiribati, Tuvalu"},
    {"NHXX", "USA"},
    {"NIXX", "Niue"},
    {"NJXX", "USA"},
    {"NKXX", "USA"},
    {"NLXX", "Wallis and Futuna"},
    {"NMXX", "USA"},
    {"NSXX", "Samoa, American Samoa"},
    {"NTXX", "French Polynesia"},
    {"NVXX", "Vanuatu"},
    {"NWXX", "New Caledonia"},
    {"NYXX", "USA"},
    {"NZXX", "New Zealand"},
    {"OAXX", "Afghanistan"},
    {"OBXX", "Bahrain"},
    {"OEXX", "Saudi Arabia"},
    {"OGXX", "USA"},
    {"OHXX", "USA"},
    {"OIXX", "Iran"},
    {"OJXX", "Jordan, West Bank"},
    {"OKXX", "Kuwait"},
    {"OLXX", "Lebanon"},
    {"OMXX", "United Arab Emirates"},
    {"OOXX", "Oman"},
    {"OPXX", "Pakistan"},
    {"OSXX", "Syria"},
    {"OTXX", "Qatar"},
    {"OYXX", "Yemen"},
    {"PAXX", "USA"},
    {"PBXX", "USA"},
    {"PCXX", "Kiribati"},
    {"PFXX", "USA"},
    {"PGXX", "Guam, Northern Marianas"},
    {"PHXX", "USA"},
    {"PJXX", "Johnston Atoll"},
    {"PKXX", "Marshall Islands"},
    {"PLXX", "Kiribati"},
    {"PMXX", "Midway Island"},
    {"PNXX", "USA"},
    {"POXX", "USA"},
    {"PPXX", "USA"},
    {"PRXX", "Puerto Rico"},
    {"PSXX", "USA"},
    {"PTXX", "Micronesia, Palau"},
    {"PWXX", "Wake Island"},
    {"PXXX", "Panama"},
    {"RCXX", "Republic of China (Taiwan)"},
    {"RIXX", "USA"},
    {"RJXX", "Japan"},
    {"RKXX", "South Korea"},
    {"ROXX", "Japan"},
    {"RPXX", "Philippines"},
    {"SAXX", "Argentina"},
    {"SBXX", "Brazil"},
    {"SCXX", "Chile"},
    {"SDXX", "Brazil"},
    {"SEXX", "Ecuador"},
    {"SFXX", "Falkland Islands"},
    {"SGXX", "Paraguay"},
    {"SIXX", "Brazil"},
    {"SJXX", "Brazil"},
    {"SKXX", "Colombia"},
    {"SLXX", "Bolivia"},
    {"SMXX", "Suriname"},
    {"SNXX", "Brazil"},
    {"SOXX", "French Guiana"},
    {"SPXX", "Peru"},
    {"SSXX", "Brazil"},
    {"SVXX", "Venezuela"},
    {"SWXX", "Brazil"},
    {"SYXX", "Guyana"},
    {"TAXX", "Antigua and Barbuda"},
    {"TBXX", "Barbados"},
    {"TCXX", "USA"},
    {"TDXX", "Dominica"},
    {"TEXX", "USA"},
    {"TFXX", "Guadeloupe"},
    {"TGXX", "Grenada"},
    {"TIXX", "U.S. Virgin Islands"},
    {"TJXX", "Puerto Rico"},
    {"TKXX", "Saint Kitts and Nevis"},
    {"TLXX", "Saint Lucia"},
    {"TMXX", "Turkmenistan"},
    {"TNXX", "Netherlands Antilles, Aruba"},
    {"TPXX", "Anguilla"},
    {"TRXX", "Montserrat"},
    {"TSXX", "USA"},
    {"TTXX", "Trinidad and Tobago"},
    {"TUXX", "British Virgin Islands"},
    {"TVXX", "Saint Vincent, Grenadines"},
    {"TXXX", "Bermuda"},
    {"UAXX", "Kazakhstan, Kyrgyzstan"},
    {"UBXX", "Azerbaijan"},
    {"UDXX", "Armenia"},
    {"UEXX", "Russia"},
    {"UGXX", "Georgia"},
    {"UHXX", "Russia"},
    {"UIXX", "Russia"},
    {"ULXX", "Russia"},
    {"UMXX", "Belarus and Kaliningrad, Russia"},
    {"UNXX", "Russia"},
    {"UOXX", "Russia"},
    {"URXX", "Russia"},
    {"USXX", "Russia"},
    {"UTXX", "Tajikistan, Turkmenistan, Uzbekistan"},
    {"UUXX", "Russia"},
    {"UWXX", "Russia"},
    {"VAXX", "India"},
    {"VCXX", "Sri Lanka"},
    {"VDXX", "Cambodia"},
    {"VEXX", "India"},
    {"VGXX", "Bangladesh"},
    {"VHXX", "Hong Kong"},
    {"VIXX", "India"},
    {"VLXX", "Laos"},
    {"VMXX", "Macau"},
    {"VNXX", "Nepal"},
    {"VOXX", "India"},
    {"VQXX", "Bhutan"},
    {"VRXX", "Maldives"},
    {"VVXX", "Vietnam"},
    {"VYXX", "Myanmar"},
    {"WAXX", "Indonesia"},
    {"WBXX", "Malaysia"},
    {"WIXX", "Indonesia"},
    {"WMXX", "Malaysia"},
    {"WNXX", "USA"},
    {"WPXX", "Timor-Leste"},
    {"WQXX", "Indonesia"},
    {"WRXX", "Indonesia"},
    {"WSXX", "Singapore"},
    {"WVXX", "USA"},
    {"WYXX", "USA"},
    {"ZKXX", "North Korea"},
    {"ZMXX", "Mongolia"},
};

// Every three-character ident that is not a United States identifier.
constexpr Case kThreeCharacterExceptions[] = {
    {"BIA", "Papua New Guinea"}, {"BLI", "Papua New Guinea"}, {"BUO", "Papua New Guinea"},
    {"BD7", "Canada"},           {"BF3", "Canada"},           {"BG6", "Canada"},
    {"BL8", "Canada"},           {"CGM", "Philippines"},      {"CPG", "Papua New Guinea"},
    {"CPR", "Papua New Guinea"}, {"DF4", "Canada"},           {"EF5", "Canada"},
    {"EG6", "Canada"},           {"EX2", "Canada"},           {"ERU", "Papua New Guinea"},
    {"ERV", "Papua New Guinea"}, {"ESA", "Papua New Guinea"}, {"FIN", "Papua New Guinea"},
    {"FE3", "Canada"},           {"FL6", "Canada"},           {"FZ4", "Canada"},
    {"FZ6", "Canada"},           {"FN6", "Canada"},           {"FT6", "Canada"},
    {"FT7", "Canada"},           {"FU5", "Canada"},           {"FU7", "Canada"},
    {"FX5", "Canada"},           {"FY6", "Canada"},           {"GJA", "Honduras"},
    {"GBE", "Papua New Guinea"}, {"GNA", "Papua New Guinea"}, {"GON", "Papua New Guinea"},
    {"GPA", "Papua New Guinea"}, {"GRN", "Papua New Guinea"}, {"GSP", "Papua New Guinea"},
    {"HFD", "Papua New Guinea"}, {"JCB", "Papua New Guinea"}, {"JSL", "Papua New Guinea"},
    {"JB4", "Canada"},           {"JD4", "Canada"},           {"JS2", "Canada"},
    {"JL3", "Canada"},           {"KR7", "Canada"},           {"KV4", "Canada"},
    {"KL2", "Canada"},           {"KRI", "Papua New Guinea"}, {"KKU", "Papua New Guinea"},
    {"KDP", "Papua New Guinea"}, {"KDR", "Papua New Guinea"}, {"MHD", "Papua New Guinea"},
    {"MKO", "Papua New Guinea"}, {"MYY", "Papua New Guinea"}, {"N18", "Marshall Islands"},
    {"N20", "Marshall Islands"}, {"N36", "Marshall Islands"}, {"N55", "Marshall Islands"},
    {"NDR", "Papua New Guinea"}, {"NIS", "Papua New Guinea"}, {"NTI", "Papua New Guinea"},
    {"NRR", "Puerto Rico"},      {"OBY", "Papua New Guinea"}, {"Q30", "Marshall Islands"},
    {"Q51", "Marshall Islands"}, {"SAO", "Papua New Guinea"}, {"SDR", "Papua New Guinea"},
    {"SEH", "Papua New Guinea"}, {"SFA", "Papua New Guinea"}, {"TK3", "Canada"},
    {"TLF", "Papua New Guinea"}, {"TAP", "Papua New Guinea"}, {"TAD", "Papua New Guinea"},
    {"ULL", "United Kingdom"},   {"VIV", "Papua New Guinea"}, {"WAI", "Papua New Guinea"},
    {"WGL", "Papua New Guinea"}, {"WTP", "Papua New Guinea"}, {"X63", "Puerto Rico"},
    {"X64", "Puerto Rico"},      {"XCN", "Philippines"},
};

// Prefixes where a digit in the third place makes a United States ident.
constexpr const char* kDigitUsaPrefixes[] = {"FA", "FD", "GA", "GE", "LA", "LL", "LS", "MD", "MN",
                                             "MS", "MT", "MU", "MY", "NC", "NV", "OI", "OK", "OL",
                                             "SD", "SN", "TA", "TN", "TX", "VG", "WA", "WS"};

// Prefixes where digits in both the third and fourth places make one.
constexpr const char* kTwoDigitsUsaPrefixes[] = {"OA", "SC", "UT", "VA", "WI"};

// Second characters without an entry, and no second character at all.
constexpr Case kUnlistedSecondCharacter[] = {
    {"ABCD", ""},    {"BAAA", ""},          {"B", ""},          {"CYVR", "Canada"},
    {"C", "Canada"}, {"DQAA", ""},          {"EAAA", ""},       {"FKKD", ""},
    {"GZAA", ""},    {"HQAA", ""},          {"IABC", "USA"},    {"JZZZ", "USA"},
    {"KSEA", "USA"}, {"K7S7", "USA"},       {"K", "USA"},       {"L", ""},
    {"MCAA", ""},    {"NBAA", ""},          {"OQBI", ""},       {"PQAA", ""},
    {"QABC", "USA"}, {"RAAA", ""},          {"SZAA", ""},       {"TQAA", ""},
    {"UCAA", ""},    {"VBAA", ""},          {"WCAA", ""},       {"XABC", "USA"},
    {"X", "USA"},    {"YSSY", "Australia"}, {"Y", "Australia"}, {"ZBAA", "China"},
    {"Z", "China"},
};

// The idents whose whole text, not their prefix, decides.
constexpr Case kWholeIdents[] = {
    {"SULE", "Papua New Guinea"},
    {"SULA", "Uruguay"},
    {"SULEX", "Uruguay"},
    {"SUL", "USA"},
    {"XX02", "Puerto Rico"},
    {"XX03", "USA"},
    {"XX020", "USA"},
    {"XX0", "USA"},
    {"OR31", "Iraq"},
    {"OR33", "Iraq"},
    {"OR331", "USA"},
    {"OR3", "USA"},
};

// Idents of three characters, and idents starting with a digit or with 'A'.
constexpr Case kUnitedStatesSchemes[] = {
    {"S43", "USA"}, {"SDR", "Papua New Guinea"},
    {"KBF", "USA"}, {"ZBA", "USA"},
    {"YSY", "USA"}, {"CYV", "USA"},
    {"N19", "USA"}, {"ULK", "USA"},
    {"0S9", "USA"}, {"1234", "USA"},
    {"9ZZ", "USA"}, {"12", ""},
    {"1", ""},      {"12345", ""},
    {"A", "USA"},   {"AB", "USA"},
    {"AGG", "USA"}, {"AGGH", "Solomon Islands"},
    {"AABB", ""},   {"AYPYX", "Papua New Guinea"},
};

// The refinements of a prefix by the characters behind it.
constexpr Case kRefinements[] = {
    // Canada's CA, CD and CL with a state ident's digit behind; ':' is not below ':'.
    {"CA12", "USA"},
    {"CD9Z", "USA"},
    {"CL0", "USA"},
    {"CA", "USA"},
    {"CABC", "Canada"},
    {"CDAB", "Canada"},
    {"CLZZ", "Canada"},
    {"CA:0", "Canada"},
    {"FA:0", "USA"},
    // Cyprus against Canada.
    {"CX12", "Cyprus"},
    {"CX", "Cyprus"},
    {"CXAB", "Canada"},
    // United Kingdom against Ukraine, Thailand against state idents.
    {"UK12", "United Kingdom"},
    {"UK", "United Kingdom"},
    {"UK1Z", "United Kingdom"},
    {"UK2A", "Ukraine"},
    {"UKBB", "Ukraine"},
    {"VT12", "USA"},
    {"VT6Z", "USA"},
    {"VT", "USA"},
    {"VT7A", "Thailand"},
    {"VT8A", "Thailand"},
    {"VTBS", "Thailand"},
    // Both digit places.
    {"OA1A", "Afghanistan"},
    {"OAA1", "Afghanistan"},
    {"OA12", "USA"},
    {"OA", "USA"},
    {"SC1", "USA"},
    {"SC12", "USA"},
    {"SC1B", "Chile"},
    {"UT99", "USA"},
    {"VA1", "USA"},
    {"WI12", "USA"},
    {"WI1Z", "Indonesia"},
    // Iraq and the state idents of the OR prefix.
    {"ORBI", "Iraq"},
    {"ORA", "USA"},
    {"ORAA", "Iraq"},
    {"OR12", "USA"},
    {"OR19", "USA"},
    {"OR1", "USA"},
    {"OR0Z", "Iraq"},
    {"OR1A", "Iraq"},
    {"OR0:", "Iraq"},
    {"OR10A", "USA"},
    {"OR35", "USA"},
    {"OR2Z", "USA"},
    {"OR", "USA"},
    {"OR9", "USA"},
};

// A first character that is neither a digit nor a capital letter names nothing;
// later characters outside those ranges compare by their codes.
constexpr Case kOtherCharacters[] = {
    {"", ""},
    {"kSEA", ""},
    {"egll", ""},
    {"Egll", ""},
    {"Cyvr", "Canada"},
    {"Kxyz", "USA"},
    {"Yssy", "Australia"},
    {"-ABC", ""},
    {" KSEA", ""},
    {"@BC", ""},
    {"[BC", ""},
    {"/123", ""},
    {":123", ""},
    {"\xC4KSE", ""},
    {"FA\xE9X", "South Africa"},
    {"FA-X", "USA"},
    {"E-GL", ""},
    {"C-12", "Canada"},
};

template <std::size_t N>
void ExpectCountries(const Case (&cases)[N]) {
  for (const Case& c : cases) {
    EXPECT_STREQ(CountryOfIdent(c.ident), c.country) << "ident \"" << c.ident << '"';
  }
}

TEST(CountryOfIdent, EveryPrefixNamesItsCountry) { ExpectCountries(kPrefixes); }

TEST(CountryOfIdent, EveryThreeCharacterException) {
  ExpectCountries(kThreeCharacterExceptions);
  // The same letters at another length follow the prefix table instead.
  EXPECT_STREQ(CountryOfIdent("SDRX"), "Brazil");
  EXPECT_STREQ(CountryOfIdent("ULLI"), "Russia");
  EXPECT_STREQ(CountryOfIdent("N18A"), "");
}

TEST(CountryOfIdent, UnlistedSecondCharacterGivesTheRowDefault) {
  ExpectCountries(kUnlistedSecondCharacter);
}

TEST(CountryOfIdent, WholeIdentExceptions) { ExpectCountries(kWholeIdents); }

TEST(CountryOfIdent, UnitedStatesIdentSchemes) { ExpectCountries(kUnitedStatesSchemes); }

TEST(CountryOfIdent, DigitsBehindThePrefix) {
  for (const char* prefix : kDigitUsaPrefixes) {
    const std::string p = prefix;
    EXPECT_STREQ(CountryOfIdent((p + "1X").c_str()), "USA") << p;
    EXPECT_STREQ(CountryOfIdent((p + "9").c_str()), "USA") << p;  // three characters
    EXPECT_STREQ(CountryOfIdent(p.c_str()), "USA") << p;          // no third character
    EXPECT_STREQ(CountryOfIdent((p + "A1").c_str()), CountryOfIdent((p + "XX").c_str())) << p;
  }
  for (const char* prefix : kTwoDigitsUsaPrefixes) {
    const std::string p = prefix;
    const char* country = CountryOfIdent((p + "XX").c_str());
    EXPECT_STREQ(CountryOfIdent((p + "12").c_str()), "USA") << p;
    EXPECT_STREQ(CountryOfIdent((p + "1").c_str()), "USA") << p;
    EXPECT_STREQ(CountryOfIdent((p + "1X").c_str()), country) << p;
    EXPECT_STREQ(CountryOfIdent((p + "X1").c_str()), country) << p;
  }
}

TEST(CountryOfIdent, Refinements) { ExpectCountries(kRefinements); }

TEST(CountryOfIdent, OtherCharacters) {
  ExpectCountries(kOtherCharacters);
  EXPECT_STREQ(CountryOfIdent(nullptr), "");
}

TEST(CountryOfIdent, CoteDIvoireIsWindows1252) {
  EXPECT_EQ(std::string(CountryOfIdent("DIAP")), std::string("C\xF4te d'Ivoire"));
  EXPECT_EQ(static_cast<unsigned char>(CountryOfIdent("DIAP")[1]), 0xF4);
}

template <std::size_t N>
void CollectCountries(const Case (&cases)[N], std::set<std::string>& countries) {
  for (const Case& c : cases) countries.insert(CountryOfIdent(c.ident));
}

// The cases above reach all 202 texts, and no ident of up to four digits and
// capitals reaches any text beyond them.
TEST(CountryOfIdent, ExactlyTheTwoHundredAndTwoTexts) {
  std::set<std::string> reached;
  CollectCountries(kPrefixes, reached);
  CollectCountries(kThreeCharacterExceptions, reached);
  CollectCountries(kUnlistedSecondCharacter, reached);
  CollectCountries(kWholeIdents, reached);
  CollectCountries(kUnitedStatesSchemes, reached);
  CollectCountries(kRefinements, reached);
  EXPECT_EQ(reached.size(), 202u);

  constexpr char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  constexpr std::size_t kLetters = sizeof kAlphabet - 1;
  std::set<const char*> texts{CountryOfIdent("")};  // distinct by address first, it is quicker
  char ident[6] = {};
  for (std::size_t length = 1; length <= 4; ++length) {
    std::size_t combinations = 1;
    for (std::size_t i = 0; i < length; ++i) combinations *= kLetters;
    for (std::size_t n = 0; n < combinations; ++n) {
      std::size_t rest = n;
      for (std::size_t i = 0; i < length; ++i, rest /= kLetters)
        ident[i] = kAlphabet[rest % kLetters];
      ident[length] = '\0';
      texts.insert(CountryOfIdent(ident));
    }
  }
  const std::set<std::string> all(texts.begin(), texts.end());
  EXPECT_EQ(all, reached);
}

}  // namespace
