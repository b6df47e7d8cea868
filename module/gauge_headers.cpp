// The two gauge headers and their standard routines, each handing its gauge's
// element list to the host service of the same name.
#include "module/gauges.h"
#include "module/icon_gauge.h"
#include "module/panel_services.h"

namespace {

template <ELEMENT_HEADER** List>
struct StandardRoutines {
  static void FSAPI Query() { Panels()->element_list_query(List[0]); }
  static void FSAPI Install(PVOID resource) { Panels()->element_list_install(List[0], resource); }
  static void FSAPI Initialize() { Panels()->element_list_initialize(List[0]); }
  static void FSAPI Update() { Panels()->element_list_update(List[0]); }
  static void FSAPI Generate(UINT32 phase) { Panels()->element_list_generate(List[0], phase); }
  static void FSAPI Draw() { Panels()->element_list_plot(List[0]); }
  static void FSAPI Kill() { Panels()->element_list_kill(List[0]); }
};

using GpsRoutines = StandardRoutines<gpsElementList>;

}  // namespace

using IconRoutines = StandardRoutines<iconElementList>;

GAUGEHDR gpsGaugeHeader = {
    .gauge_header_version = 800,
    .gauge_name = "gps",
    .elements_list = gpsElementList,
    .query_routine = GpsRoutines::Query,
    .install_routine = GpsRoutines::Install,
    .initialize_routine = GpsRoutines::Initialize,
    .update_routine = GpsRoutines::Update,
    .generate_routine = GpsRoutines::Generate,
    .draw_routine = GpsRoutines::Draw,
    .kill_routine = GpsRoutines::Kill,
    .size_x_mm = 250,
    .mouse_rect = gpsMouseTable,
    .gauge_callback = GpsGaugeCallback,
};

GAUGEHDR iconGaugeHeader = {
    .gauge_header_version = 800,
    .gauge_name = "icon",
    .elements_list = iconElementList,
    .query_routine = IconRoutines::Query,
    .install_routine = IconRoutines::Install,
    .initialize_routine = IconRoutines::Initialize,
    .update_routine = IconRoutines::Update,
    .generate_routine = IconRoutines::Generate,
    .draw_routine = IconRoutines::Draw,
    .kill_routine = IconRoutines::Kill,
    .size_x_mm = 30,
    .mouse_rect = iconMouseTable,
    .gauge_callback = IconGaugeCallback,
};
