// The gps gauge's element records, static data in chain order: background,
// the 67 string elements, the steering indicator. The host draws them in this
// order; at most one page's elements are shown at a time.
#include "display/element_tree.h"

#include "cycle/gauge_state.h"
#include "module/gauges.h"

namespace {

constexpr int kStringCount = 67;
constexpr FLAGS32 kImageFlags = 0x83;
constexpr SINT32 kBackgroundBitmap = 256;
constexpr SINT32 kIndicatorDarkBitmap = 512;
constexpr SINT32 kIndicatorRedBitmap = 513;
// The host finds an icon element's icons at consecutive resource ids.
static_assert(kIndicatorRedBitmap == kIndicatorDarkBitmap + 1);
constexpr SINT32 kTextHeight = 17;
// 12 pixels to the em: the tightest labels just fill their boxes at that size
// ("Airport:" takes 44 of its 45 pixels), which a 17-pixel em would overrun.
constexpr SINT32 kFontPixels = 12;

extern ELEMENT_STATIC_IMAGE background;
extern ELEMENT_STRING strings[kStringCount];
extern ELEMENT_ICON steeringIndicator;

// Each element's next-element list holds one entry: the next of the chain.
ELEMENT_HEADER* chainLinks[kStringCount + 1][2] = {
#define LINK(i) \
  { &strings[i].header, nullptr }
    LINK(0),
    LINK(1),
    LINK(2),
    LINK(3),
    LINK(4),
    LINK(5),
    LINK(6),
    LINK(7),
    LINK(8),
    LINK(9),
    LINK(10),
    LINK(11),
    LINK(12),
    LINK(13),
    LINK(14),
    LINK(15),
    LINK(16),
    LINK(17),
    LINK(18),
    LINK(19),
    LINK(20),
    LINK(21),
    LINK(22),
    LINK(23),
    LINK(24),
    LINK(25),
    LINK(26),
    LINK(27),
    LINK(28),
    LINK(29),
    LINK(30),
    LINK(31),
    LINK(32),
    LINK(33),
    LINK(34),
    LINK(35),
    LINK(36),
    LINK(37),
    LINK(38),
    LINK(39),
    LINK(40),
    LINK(41),
    LINK(42),
    LINK(43),
    LINK(44),
    LINK(45),
    LINK(46),
    LINK(47),
    LINK(48),
    LINK(49),
    LINK(50),
    LINK(51),
    LINK(52),
    LINK(53),
    LINK(54),
    LINK(55),
    LINK(56),
    LINK(57),
    LINK(58),
    LINK(59),
    LINK(60),
    LINK(61),
    LINK(62),
    LINK(63),
    LINK(64),
    LINK(65),
    LINK(66),
#undef LINK
    {&steeringIndicator.header, nullptr},
};

// `position` counts the string elements from 1 in chain order.
constexpr ELEMENT_STRING StringElement(int position, SINT32 x, SINT32 y, SINT32 width, UINT16 chars,
                                       UINT32 align, PSTRING_UPDATE_CALLBACK callback) {
  return {
      .header = {.element_type = ELEMENT_TYPE_STRING,
                 .resource_id = -1,
                 .position = {x, y},
                 .gauge_header = &gpsGaugeHeader,
                 .next_element = chainLinks[position],
                 .image_flags = kImageFlags},
      .img_size = {width, kTextHeight},
      .fg_color = 0x00FFFFFF,
      .bg_color = 0x00000000,
      .hilite_color = 0x00000000,
      .font_name = "Arial",
      .font_weight = 725,
      .font_charset = DEFAULT_CHARSET,
      .draw_text_flags = align,
      .max_string_length = chars,
      .char_height = kFontPixels,
      .update_cb = callback,
  };
}

ELEMENT_STATIC_IMAGE background = {
    .header = {.element_type = ELEMENT_TYPE_STATIC_IMAGE,
               .resource_id = kBackgroundBitmap,
               .position = {0, 0},
               .gauge_header = &gpsGaugeHeader,
               .next_element = chainLinks[0],
               .image_flags = kImageFlags},
};

ELEMENT_STRING strings[kStringCount] = {
    StringElement(1, 178, 58, 42, 10, DT_RIGHT, ShowSavedSlot14),       // savedSlot14
    StringElement(2, 136, 58, 42, 10, DT_RIGHT, ShowSavedSlot13),       // savedSlot13
    StringElement(3, 94, 58, 42, 10, DT_RIGHT, ShowSavedSlot12),        // savedSlot12
    StringElement(4, 52, 58, 42, 10, DT_RIGHT, ShowSavedSlot11),        // savedSlot11
    StringElement(5, 10, 58, 42, 10, DT_RIGHT, ShowSavedSlot10),        // savedSlot10
    StringElement(6, 178, 42, 42, 10, DT_RIGHT, ShowSavedSlot9),        // savedSlot9
    StringElement(7, 136, 42, 42, 10, DT_RIGHT, ShowSavedSlot8),        // savedSlot8
    StringElement(8, 94, 42, 42, 10, DT_RIGHT, ShowSavedSlot7),         // savedSlot7
    StringElement(9, 52, 42, 42, 10, DT_RIGHT, ShowSavedSlot6),         // savedSlot6
    StringElement(10, 10, 42, 42, 10, DT_RIGHT, ShowSavedSlot5),        // savedSlot5
    StringElement(11, 178, 26, 42, 10, DT_RIGHT, ShowSavedSlot4),       // savedSlot4
    StringElement(12, 136, 26, 42, 10, DT_RIGHT, ShowSavedSlot3),       // savedSlot3
    StringElement(13, 94, 26, 42, 10, DT_RIGHT, ShowSavedSlot2),        // savedSlot2
    StringElement(14, 52, 26, 42, 10, DT_RIGHT, ShowSavedSlot1),        // savedSlot1
    StringElement(15, 10, 26, 42, 10, DT_RIGHT, ShowSavedSlot0),        // savedSlot0
    StringElement(16, 10, 10, 42, 10, DT_RIGHT, ShowSavedHeader),       // savedHeader
    StringElement(17, 15, 58, 220, 32, DT_LEFT, ShowRunwayIlsLine2),    // runwayIlsLine2
    StringElement(18, 15, 42, 220, 32, DT_LEFT, ShowRunwayIlsLine1),    // runwayIlsLine1
    StringElement(19, 15, 26, 220, 32, DT_LEFT, ShowRunwayDimensions),  // runwayDimensions
    StringElement(20, 15, 10, 220, 32, DT_LEFT, ShowRunwayHeader),      // runwayHeader
    StringElement(21, 195, 58, 35, 100, DT_RIGHT,
                  ShowNavaidAircraftBearing),  // navaidAircraftBearing
    StringElement(22, 160, 58, 35, 100, DT_RIGHT,
                  ShowNavaidAircraftBearingLabel),  // navaidAircraftBearingLabel
    StringElement(23, 100, 58, 60, 100, DT_RIGHT, ShowNavaidAircraftRange),  // navaidAircraftRange
    StringElement(24, 0, 58, 100, 100, DT_RIGHT,
                  ShowNavaidAircraftRangeLabel),  // navaidAircraftRangeLabel
    StringElement(25, 195, 42, 35, 100, DT_RIGHT,
                  ShowNavaidAirportBearing),  // navaidAirportBearing
    StringElement(26, 160, 42, 35, 100, DT_RIGHT,
                  ShowNavaidAirportBearingLabel),  // navaidAirportBearingLabel
    StringElement(27, 100, 42, 60, 100, DT_RIGHT, ShowNavaidAirportRange),  // navaidAirportRange
    StringElement(28, 0, 42, 100, 100, DT_RIGHT,
                  ShowNavaidAirportRangeLabel),                          // navaidAirportRangeLabel
    StringElement(29, 50, 10, 320, 25, DT_LEFT, ShowNavaidName),         // navaidName
    StringElement(30, 0, 10, 50, 100, DT_RIGHT, ShowNavaidNameLabel),    // navaidNameLabel
    StringElement(31, 180, 26, 30, 8, DT_RIGHT, ShowNavaidIdent),        // navaidIdent
    StringElement(32, 145, 26, 35, 12, DT_RIGHT, ShowNavaidIdentLabel),  // navaidIdentLabel
    StringElement(33, 75, 26, 75, 12, DT_RIGHT, ShowNavaidFrequency),    // navaidFrequency
    StringElement(34, 20, 26, 55, 12, DT_RIGHT, ShowNavaidListLabel),    // navaidListLabel
    StringElement(35, 180, 58, 45, 32, DT_RIGHT, ShowDetailsMagVar),     // detailsMagVar
    StringElement(36, 150, 58, 25, 32, DT_RIGHT, ShowDetailsMagVarLabel),  // detailsMagVarLabel
    StringElement(37, 95, 58, 35, 32, DT_RIGHT, ShowDetailsLonMinutes),    // detailsLonMinutes
    StringElement(38, 35, 58, 55, 32, DT_RIGHT, ShowDetailsLonDegrees),    // detailsLonDegrees
    StringElement(39, 10, 58, 40, 32, DT_RIGHT, ShowDetailsLonLabel),      // detailsLonLabel
    StringElement(40, 180, 42, 45, 32, DT_RIGHT, ShowDetailsElevation),    // detailsElevation
    StringElement(41, 145, 42, 30, 32, DT_RIGHT,
                  ShowDetailsElevationLabel),                              // detailsElevationLabel
    StringElement(42, 95, 42, 35, 32, DT_RIGHT, ShowDetailsLatMinutes),    // detailsLatMinutes
    StringElement(43, 35, 42, 55, 32, DT_RIGHT, ShowDetailsLatDegrees),    // detailsLatDegrees
    StringElement(44, 10, 42, 40, 32, DT_RIGHT, ShowDetailsLatLabel),      // detailsLatLabel
    StringElement(45, 50, 26, 180, 32, DT_LEFT, ShowDetailsCity),          // detailsCity
    StringElement(46, 10, 26, 40, 10, DT_RIGHT, ShowDetailsCityLabel),     // detailsCityLabel
    StringElement(47, 50, 10, 270, 32, DT_LEFT, ShowDetailsName),          // detailsName
    StringElement(48, 10, 10, 40, 32, DT_RIGHT, ShowDetailsIdent),         // detailsIdent
    StringElement(49, 196, 58, 38, 50, DT_RIGHT, ShowAirportEte),          // airportEte
    StringElement(50, 160, 58, 38, 50, DT_RIGHT, ShowAirportEteLabel),     // airportEteLabel
    StringElement(51, 191, 42, 53, 50, DT_RIGHT, ShowAirportGroundSpeed),  // airportGroundSpeed
    StringElement(52, 153, 42, 38, 50, DT_RIGHT,
                  ShowAirportGroundSpeedLabel),                         // airportGroundSpeedLabel
    StringElement(53, 111, 42, 53, 50, DT_RIGHT, ShowAirportDistance),  // airportDistance
    StringElement(54, 83, 42, 38, 50, DT_LEFT, ShowAirportDistanceLabel),  // airportDistanceLabel
    StringElement(55, 127, 58, 38, 32, DT_RIGHT, ShowAirportRelBearing),   // airportRelBearing
    StringElement(56, 83, 58, 58, 32, DT_LEFT,
                  ShowAirportRelBearingLabel),                            // airportRelBearingLabel
    StringElement(57, 40, 58, 38, 32, DT_RIGHT, ShowAirportTrack),        // airportTrack
    StringElement(58, 0, 58, 38, 32, DT_RIGHT, ShowAirportTrackLabel),    // airportTrackLabel
    StringElement(59, 40, 42, 38, 32, DT_RIGHT, ShowAirportBearing),      // airportBearing
    StringElement(60, 0, 42, 38, 32, DT_RIGHT, ShowAirportBearingLabel),  // airportBearingLabel
    StringElement(61, 55, 26, 180, 32, DT_LEFT, ShowAirportName),         // airportName
    StringElement(62, 8, 26, 45, 32, DT_RIGHT, ShowAirportNameLabel),     // airportNameLabel
    StringElement(63, 58, 10, 182, 32, DT_LEFT, ShowAirportCity),         // airportCity
    StringElement(64, 43, 10, 12, 2, DT_CENTER, ShowAirportIdentChar3),   // airportIdentChar3
    StringElement(65, 32, 10, 12, 2, DT_CENTER, ShowAirportIdentChar2),   // airportIdentChar2
    StringElement(66, 21, 10, 12, 2, DT_CENTER, ShowAirportIdentChar1),   // airportIdentChar1
    StringElement(67, 10, 10, 12, 2, DT_CENTER, ShowAirportIdentChar0),   // airportIdentChar0
};

ELEMENT_ICON steeringIndicator = {
    .header = {.element_type = ELEMENT_TYPE_ICON,
               .resource_id = kIndicatorDarkBitmap,
               .position = {235, 65},
               .gauge_header = &gpsGaugeHeader,
               .image_flags = kImageFlags},
    .switch_type = ICON_SWITCH_TYPE_STEP_TO,
    .scale = 1.0,
    .offset = 0,
    .num_icons = 2,
    .update_cb = ShowSteeringIndicator,
};

}  // namespace

ELEMENT_HEADER* gpsElementList[] = {&background.header, nullptr};

FLOAT64 FSAPI ShowSteeringIndicator(ELEMENT_ICON* /*element*/) {
  return static_cast<FLOAT64>(gaugeState.steeringActive);
}
