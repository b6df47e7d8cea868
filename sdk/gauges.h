// The simulator's panel and gauge interface as the real host reads a gauge
// module: the records the host and the module share, the host's service table
// and its codes. The host packs its records to 4 bytes, so a 64-bit float
// inside a record sits on a 4-byte boundary. On the 32-bit Windows build every
// record's size and every offset the host or the module touches is pinned
// below its declaration; a record that drifts does not compile.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#ifdef _WIN32
#define FSAPI __stdcall
#else
#define FSAPI
#endif

// The real host's own build: 32-bit Windows, where the layout is pinned.
#if defined(_WIN32) && !defined(_WIN64)
#define SKELBOR_HOST_ABI 1
#else
#define SKELBOR_HOST_ABI 0
#endif

using SINT16 = std::int16_t;
using SINT32 = std::int32_t;
using UINT8 = std::uint8_t;
using UINT16 = std::uint16_t;
using UINT32 = std::uint32_t;
using FLAGS32 = std::uint32_t;
using FLOAT32 = float;
using FLOAT64 = double;
using PVOID = void*;

#ifndef _WIN32
using BOOL = int;
using COLORREF = std::uint32_t;

// DrawText alignment flags, as stored in a string element's draw_text_flags.
constexpr UINT32 DT_LEFT = 0x0;
constexpr UINT32 DT_CENTER = 0x1;
constexpr UINT32 DT_RIGHT = 0x2;

constexpr UINT8 DEFAULT_CHARSET = 1;
#endif

// Panel service codes passed to gauge callbacks.
enum PANEL_SERVICE : SINT32 {
  PANEL_SERVICE_PRE_QUERY = 0,
  PANEL_SERVICE_POST_QUERY = 1,
  PANEL_SERVICE_PRE_INSTALL = 2,
  PANEL_SERVICE_POST_INSTALL = 3,
  PANEL_SERVICE_PRE_INITIALIZE = 4,
  PANEL_SERVICE_POST_INITIALIZE = 5,
  PANEL_SERVICE_PRE_UPDATE = 6,
  PANEL_SERVICE_POST_UPDATE = 7,
  PANEL_SERVICE_PRE_GENERATE = 8,
  PANEL_SERVICE_POST_GENERATE = 9,
  PANEL_SERVICE_PRE_DRAW = 10,
  PANEL_SERVICE_POST_DRAW = 11,
  PANEL_SERVICE_PRE_KILL = 12,
  PANEL_SERVICE_POST_KILL = 13,
  PANEL_SERVICE_CONNECT_TO_WINDOW = 14,
};

// The host's packing. Natively (64-bit) the host is the substitute simulator
// alone and the records keep their natural alignment, so that no pointer
// field sits off its boundary.
#if SKELBOR_HOST_ABI
#pragma pack(push, 4)
#endif

struct PIXPOINT {
  SINT32 x;
  SINT32 y;
};

struct PIXBOX {
  SINT32 x;
  SINT32 y;
  SINT32 width;
  SINT32 height;
};

// ---------------------------------------------------------------------------
// Sim variables.

union MODULE_VAR_VALUE {
  FLOAT64 n;
  SINT32 d;
  UINT32 u;
  PVOID p;
};

struct MODULE_VAR {
  SINT32 id;
  PVOID var_ptr;
  UINT32 var_type;
  MODULE_VAR_VALUE var_value;  // written by lookup_var; the module reads n
  MODULE_VAR_VALUE var_old;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(MODULE_VAR) == 28);
static_assert(offsetof(MODULE_VAR, var_ptr) == 4);
static_assert(offsetof(MODULE_VAR, var_type) == 8);
static_assert(offsetof(MODULE_VAR, var_value) == 12);
static_assert(offsetof(MODULE_VAR, var_old) == 20);
#endif

// ---------------------------------------------------------------------------
// Display elements.

enum ELEMENT_TYPE_ENUM : UINT32 {
  ELEMENT_TYPE_STATIC_IMAGE = 0,
  ELEMENT_TYPE_STRING = 2,
  ELEMENT_TYPE_ICON = 4,
};

// Image-flag bit the host tests before drawing an element.
constexpr FLAGS32 IMAGE_HIDDEN = 0x40000000;

struct ELEMENT_HEADER;
struct ELEMENT_STRING;
struct ELEMENT_ICON;
struct GAUGEHDR;

using PELEMENT_HEADER = ELEMENT_HEADER*;
using PSTRING_UPDATE_CALLBACK = FLOAT64(FSAPI*)(ELEMENT_STRING* element);
using PICON_UPDATE_CALLBACK = FLOAT64(FSAPI*)(ELEMENT_ICON* element);

// Common head of every element record. next_element points at a null-ended
// list of the elements that follow this one in the chain.
struct ELEMENT_HEADER {
  ELEMENT_TYPE_ENUM element_type;
  SINT32 resource_id;
  PIXPOINT position;
  PIXPOINT previous_position;
  PIXPOINT ofs;
  GAUGEHDR* gauge_header;
  ELEMENT_HEADER* previous_element;
  ELEMENT_HEADER** next_element;
  PVOID failure_systems;
  FLAGS32 image_flags;
  FLAGS32 aircraft_special_instrumentation;
  UINT32 reserved;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(ELEMENT_HEADER) == 60);
static_assert(offsetof(ELEMENT_HEADER, resource_id) == 4);
static_assert(offsetof(ELEMENT_HEADER, position) == 8);
static_assert(offsetof(ELEMENT_HEADER, previous_position) == 16);
static_assert(offsetof(ELEMENT_HEADER, ofs) == 24);
static_assert(offsetof(ELEMENT_HEADER, gauge_header) == 32);
static_assert(offsetof(ELEMENT_HEADER, previous_element) == 36);
static_assert(offsetof(ELEMENT_HEADER, next_element) == 40);
static_assert(offsetof(ELEMENT_HEADER, failure_systems) == 44);
static_assert(offsetof(ELEMENT_HEADER, image_flags) == 48);
static_assert(offsetof(ELEMENT_HEADER, aircraft_special_instrumentation) == 52);
static_assert(offsetof(ELEMENT_HEADER, reserved) == 56);
#endif

// Everything after the header belongs to the host.
struct ELEMENT_STATIC_IMAGE {
  ELEMENT_HEADER header;
  PVOID image_data[4];
  PVOID save_buffer;
  PVOID hdc;
  PVOID hbmp;
  PVOID reserved1;
  PVOID reserved2;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(ELEMENT_STATIC_IMAGE) == 96);
static_assert(offsetof(ELEMENT_STATIC_IMAGE, image_data) == 60);
static_assert(offsetof(ELEMENT_STATIC_IMAGE, save_buffer) == 76);
static_assert(offsetof(ELEMENT_STATIC_IMAGE, hdc) == 80);
static_assert(offsetof(ELEMENT_STATIC_IMAGE, hbmp) == 84);
#endif

constexpr int kFontNameCapacity = 32;

struct ELEMENT_STRING {
  ELEMENT_HEADER header;
  MODULE_VAR source_var[3];
  FLOAT64 save_var[3];
  PVOID source_var_cb[3];
  PVOID source_fn;
  char* string;  // the host allocates max_string_length + 1 bytes at install
  char* string_old;
  PIXPOINT img_size;  // width and height of the text box
  PVOID string_data;
  PVOID save_buffer;
  COLORREF fg_color;
  COLORREF bg_color;
  COLORREF hilite_color;
  PVOID hdc;
  PVOID hfont;
  PVOID reserved1;
  PVOID hbmp;
  PVOID reserved2;
  PVOID hbrush;
  PVOID reserved3;
  char font_name[kFontNameCapacity];
  SINT32 font_weight;
  UINT8 font_charset;
  UINT32 draw_text_flags;
  UINT16 max_string_length;  // the text buffer's character capacity
  UINT16 char_width;
  SINT16 sel_str;
  SINT16 sel_end;
  PVOID seq;
  SINT32 save_global_seq;
  SINT32 char_height;  // the font size in pixels
  PSTRING_UPDATE_CALLBACK update_cb;
  UINT32 use_user_color;
  COLORREF user_color;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(ELEMENT_STRING) == 324);
static_assert(offsetof(ELEMENT_STRING, source_var) == 60);
static_assert(offsetof(ELEMENT_STRING, save_var) == 144);
static_assert(offsetof(ELEMENT_STRING, source_var_cb) == 168);
static_assert(offsetof(ELEMENT_STRING, source_fn) == 180);
static_assert(offsetof(ELEMENT_STRING, string) == 184);
static_assert(offsetof(ELEMENT_STRING, string_old) == 188);
static_assert(offsetof(ELEMENT_STRING, img_size) == 192);
static_assert(offsetof(ELEMENT_STRING, string_data) == 200);
static_assert(offsetof(ELEMENT_STRING, fg_color) == 208);
static_assert(offsetof(ELEMENT_STRING, bg_color) == 212);
static_assert(offsetof(ELEMENT_STRING, hilite_color) == 216);
static_assert(offsetof(ELEMENT_STRING, hdc) == 220);
static_assert(offsetof(ELEMENT_STRING, reserved3) == 244);
static_assert(offsetof(ELEMENT_STRING, font_name) == 248);
static_assert(offsetof(ELEMENT_STRING, font_weight) == 280);
static_assert(offsetof(ELEMENT_STRING, font_charset) == 284);
static_assert(offsetof(ELEMENT_STRING, draw_text_flags) == 288);
static_assert(offsetof(ELEMENT_STRING, max_string_length) == 292);
static_assert(offsetof(ELEMENT_STRING, char_width) == 294);
static_assert(offsetof(ELEMENT_STRING, sel_str) == 296);
static_assert(offsetof(ELEMENT_STRING, sel_end) == 298);
static_assert(offsetof(ELEMENT_STRING, seq) == 300);
static_assert(offsetof(ELEMENT_STRING, save_global_seq) == 304);
static_assert(offsetof(ELEMENT_STRING, char_height) == 308);
static_assert(offsetof(ELEMENT_STRING, update_cb) == 312);
static_assert(offsetof(ELEMENT_STRING, use_user_color) == 316);
static_assert(offsetof(ELEMENT_STRING, user_color) == 320);
#endif

// How an icon element's callback value selects its icon.
enum ICON_SWITCH_TYPE : SINT32 {
  ICON_SWITCH_TYPE_SET_CUR_ICON = 0,
  ICON_SWITCH_TYPE_SET_CUR_USING_RANGE = 1,
  ICON_SWITCH_TYPE_STEP_TO = 3,
  ICON_SWITCH_TYPE_STEP_TO_USING_RANGE = 4,
};

// The icons are the bitmaps resource_id, resource_id + 1, ... in turn.
struct ELEMENT_ICON {
  ELEMENT_HEADER header;
  MODULE_VAR source_var;
  PVOID source_var_cb;
  SINT32 switch_type;
  SINT32 switch_count;
  FLOAT64 scale;
  SINT32 offset;
  SINT32 num_icons;
  SINT32 cur_icon;  // host-owned
  SINT32 dst_icon;  // host-owned
  PVOID picon_data;
  PVOID save_buffer;
  PICON_UPDATE_CALLBACK update_cb;
  UINT32 reserved1;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(ELEMENT_ICON) == 140);
static_assert(offsetof(ELEMENT_ICON, source_var) == 60);
static_assert(offsetof(ELEMENT_ICON, source_var_cb) == 88);
static_assert(offsetof(ELEMENT_ICON, switch_type) == 92);
static_assert(offsetof(ELEMENT_ICON, switch_count) == 96);
static_assert(offsetof(ELEMENT_ICON, scale) == 100);
static_assert(offsetof(ELEMENT_ICON, offset) == 108);
static_assert(offsetof(ELEMENT_ICON, num_icons) == 112);
static_assert(offsetof(ELEMENT_ICON, cur_icon) == 116);
static_assert(offsetof(ELEMENT_ICON, dst_icon) == 120);
static_assert(offsetof(ELEMENT_ICON, picon_data) == 124);
static_assert(offsetof(ELEMENT_ICON, save_buffer) == 128);
static_assert(offsetof(ELEMENT_ICON, update_cb) == 132);
static_assert(offsetof(ELEMENT_ICON, reserved1) == 136);
#endif

// ---------------------------------------------------------------------------
// Mouse table.

enum MOUSE_RECT_TYPE : UINT32 {
  MOUSE_RECT_EOL = 0,
  MOUSE_RECT_PARENT = 1,
  MOUSE_RECT_CHILD = 2,
  MOUSE_RECT_END_PARENT = 3,
  MOUSE_RECT_USER = 4,
};

constexpr SINT32 CURSOR_NONE = -1;
constexpr SINT32 CURSOR_NORMAL = 0;
constexpr SINT32 CURSOR_UPARROW = 1;
constexpr SINT32 CURSOR_DOWNARROW = 2;
constexpr SINT32 CURSOR_LEFTARROW = 3;
constexpr SINT32 CURSOR_RIGHTARROW = 4;
constexpr SINT32 CURSOR_HAND = 5;
constexpr SINT32 CURSOR_CROSSHAIR = 6;
constexpr SINT32 CURSOR_GRAB = 7;

constexpr FLAGS32 MOUSE_NONE = 0x00000000;
constexpr FLAGS32 MOUSE_DOWN_REPEAT = 0x00200000;
constexpr FLAGS32 MOUSE_LEFTSINGLE = 0x20000000;
constexpr FLAGS32 MOUSE_RIGHTSINGLE = 0x80000000;

using PMOUSE_FUNCTION = BOOL(FSAPI*)(PIXPOINT* relative_point, FLAGS32 mouse_flags);

struct MOUSERECT {
  MOUSE_RECT_TYPE rect_type;
  PIXBOX relative_box;
  SINT32 cursor;
  SINT32 help_id;
  FLAGS32 mouse_flags;
  UINT32 event_id;
  // A child row holds its handler; a tooltip row (MOUSE_RECT_USER) the text
  // the host shows, read each time it shows it.
  union {
    PMOUSE_FUNCTION mouse_function;
    const char* tooltip_text;
  };
  PVOID api_data;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(MOUSERECT) == 44);
static_assert(offsetof(MOUSERECT, relative_box) == 4);
static_assert(offsetof(MOUSERECT, cursor) == 20);
static_assert(offsetof(MOUSERECT, help_id) == 24);
static_assert(offsetof(MOUSERECT, mouse_flags) == 28);
static_assert(offsetof(MOUSERECT, event_id) == 32);
static_assert(offsetof(MOUSERECT, mouse_function) == 36);
static_assert(offsetof(MOUSERECT, tooltip_text) == 36);
static_assert(offsetof(MOUSERECT, api_data) == 40);
#endif

// ---------------------------------------------------------------------------
// Gauges and the module.

using PQUERY_ROUTINE = void(FSAPI*)();
using PINSTALL_ROUTINE = void(FSAPI*)(PVOID resource_file_handle);
using PINITIALIZE_ROUTINE = void(FSAPI*)();
using PUPDATE_ROUTINE = void(FSAPI*)();
using PGENERATE_ROUTINE = void(FSAPI*)(UINT32 phase);
using PDRAW_ROUTINE = void(FSAPI*)();
using PKILL_ROUTINE = void(FSAPI*)();
using PGAUGE_CALLBACK = void(FSAPI*)(GAUGEHDR* gauge, SINT32 service_id, UINT32 extra_data);
using PMODULE_INIT = void(FSAPI*)();
using PMODULE_DEINIT = void(FSAPI*)();

// The host writes into a gauge header when it creates the gauge (parameters,
// position, size and more): headers are writable data.
struct GAUGEHDR {
  UINT32 gauge_header_version;
  const char* gauge_name;
  ELEMENT_HEADER** elements_list;  // null-ended
  PQUERY_ROUTINE query_routine;
  PINSTALL_ROUTINE install_routine;
  PINITIALIZE_ROUTINE initialize_routine;
  PUPDATE_ROUTINE update_routine;
  PGENERATE_ROUTINE generate_routine;
  PDRAW_ROUTINE draw_routine;
  PKILL_ROUTINE kill_routine;
  PVOID reserved1;
  UINT32 size_x_mm;
  UINT32 size_y_mm;
  FLOAT32 x_adjust;
  FLOAT32 y_adjust;
  PVOID reserved2;
  PVOID reserved3;
  PIXPOINT position;
  PVOID reserved4;
  MOUSERECT* mouse_rect;
  PGAUGE_CALLBACK gauge_callback;
  UINT32 user_data;
  const char* parameters;  // written by the host when it creates the gauge
  const char* usage;
  SINT32 reserved5;
  PVOID reserved6;
  PIXPOINT size;
  FLOAT64 user_area[10];
  FLAGS32 flags;
  PVOID reserved7;
  UINT8 guid[16];
  UINT32 key_id;
  PVOID serialize_size_callback;
  PVOID serialize_callback;
  PVOID deserialize_callback;
  PVOID event_size_callback;
  PVOID process_event_callback;
  PIXPOINT original_position;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(GAUGEHDR) == 252);
static_assert(offsetof(GAUGEHDR, gauge_name) == 4);
static_assert(offsetof(GAUGEHDR, elements_list) == 8);
static_assert(offsetof(GAUGEHDR, query_routine) == 12);
static_assert(offsetof(GAUGEHDR, install_routine) == 16);
static_assert(offsetof(GAUGEHDR, initialize_routine) == 20);
static_assert(offsetof(GAUGEHDR, update_routine) == 24);
static_assert(offsetof(GAUGEHDR, generate_routine) == 28);
static_assert(offsetof(GAUGEHDR, draw_routine) == 32);
static_assert(offsetof(GAUGEHDR, kill_routine) == 36);
static_assert(offsetof(GAUGEHDR, reserved1) == 40);
static_assert(offsetof(GAUGEHDR, size_x_mm) == 44);
static_assert(offsetof(GAUGEHDR, size_y_mm) == 48);
static_assert(offsetof(GAUGEHDR, x_adjust) == 52);
static_assert(offsetof(GAUGEHDR, y_adjust) == 56);
static_assert(offsetof(GAUGEHDR, position) == 68);
static_assert(offsetof(GAUGEHDR, mouse_rect) == 80);
static_assert(offsetof(GAUGEHDR, gauge_callback) == 84);
static_assert(offsetof(GAUGEHDR, user_data) == 88);
static_assert(offsetof(GAUGEHDR, parameters) == 92);
static_assert(offsetof(GAUGEHDR, usage) == 96);
static_assert(offsetof(GAUGEHDR, size) == 108);
static_assert(offsetof(GAUGEHDR, user_area) == 116);
static_assert(offsetof(GAUGEHDR, flags) == 196);
static_assert(offsetof(GAUGEHDR, guid) == 204);
static_assert(offsetof(GAUGEHDR, key_id) == 220);
static_assert(offsetof(GAUGEHDR, serialize_size_callback) == 224);
static_assert(offsetof(GAUGEHDR, process_event_callback) == 240);
static_assert(offsetof(GAUGEHDR, original_position) == 244);
#endif

// The most gauge headers a module record holds, the ending null included.
constexpr int kMaxGaugeHeaders = 255;

// The module record: the gauge-header pointers are stored in the record
// itself, one after another, ended by a null pointer.
struct GAUGESLINKAGE {
  UINT32 ModuleID;
  PMODULE_INIT ModuleInit;
  PMODULE_DEINIT ModuleDeinit;
  FLAGS32 ModuleFlags;
  UINT32 ModulePriority;
  UINT32 ModuleVersion;
  GAUGEHDR* gauge_header_ptr[kMaxGaugeHeaders];
};

#if SKELBOR_HOST_ABI
static_assert(offsetof(GAUGESLINKAGE, ModuleInit) == 4);
static_assert(offsetof(GAUGESLINKAGE, ModuleDeinit) == 8);
static_assert(offsetof(GAUGESLINKAGE, ModuleFlags) == 12);
static_assert(offsetof(GAUGESLINKAGE, ModulePriority) == 16);
static_assert(offsetof(GAUGESLINKAGE, ModuleVersion) == 20);
static_assert(offsetof(GAUGESLINKAGE, gauge_header_ptr) == 24);
#endif

// ---------------------------------------------------------------------------
// The host's service table. Words 0 to 5 are the host panel system's own
// module record; the services follow, each called through its word. The
// words this module has no use for are declared as reserved runs.

using PPANEL_SERVICE = void(FSAPI*)();

struct PANELS {
  UINT32 ModuleID;
  PMODULE_INIT ModuleInit;
  PMODULE_DEINIT ModuleDeinit;
  FLAGS32 ModuleFlags;
  UINT32 ModulePriority;
  UINT32 ModuleVersion;
  PPANEL_SERVICE reserved_06_23[18];
  void(FSAPI* element_list_query)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_install)(ELEMENT_HEADER* element, PVOID resource_file_handle);
  void(FSAPI* element_list_initialize)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_update)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_generate)(ELEMENT_HEADER* element, UINT32 phase);
  void(FSAPI* element_list_plot)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_erase)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_kill)(ELEMENT_HEADER* element);
  PPANEL_SERVICE reserved_32_39[8];
  void(FSAPI* lookup_var)(MODULE_VAR* module_var);
  PPANEL_SERVICE reserved_41_64[24];
  void(FSAPI* element_use_color)(ELEMENT_HEADER* element, BOOL override, COLORREF color);
  PPANEL_SERVICE reserved_66_76[11];
  PVOID(FSAPI* panel_get_registered_c_callback)(const char* name);
  PVOID(FSAPI* panel_get_aircraft_c_callback)(const char* name);
  void(FSAPI* send_key_event)(UINT32 event_id, UINT32 value);
  PPANEL_SERVICE reserved_80_85[6];
};

constexpr int kPanelsWords = 86;

#if SKELBOR_HOST_ABI
static_assert(sizeof(PANELS) == kPanelsWords * 4);
static_assert(offsetof(PANELS, reserved_06_23) == 6 * 4);
static_assert(offsetof(PANELS, element_list_query) == 24 * 4);
static_assert(offsetof(PANELS, element_list_install) == 25 * 4);
static_assert(offsetof(PANELS, element_list_initialize) == 26 * 4);
static_assert(offsetof(PANELS, element_list_update) == 27 * 4);
static_assert(offsetof(PANELS, element_list_generate) == 28 * 4);
static_assert(offsetof(PANELS, element_list_plot) == 29 * 4);
static_assert(offsetof(PANELS, element_list_erase) == 30 * 4);
static_assert(offsetof(PANELS, element_list_kill) == 31 * 4);
static_assert(offsetof(PANELS, lookup_var) == 40 * 4);
static_assert(offsetof(PANELS, element_use_color) == 65 * 4);
static_assert(offsetof(PANELS, panel_get_registered_c_callback) == 77 * 4);
static_assert(offsetof(PANELS, panel_get_aircraft_c_callback) == 78 * 4);
static_assert(offsetof(PANELS, send_key_event) == 79 * 4);
static_assert(offsetof(PANELS, reserved_80_85) == 80 * 4);
#endif

// The module's import table: the host replaces the null pointer of the entry
// with id 0x0F by the address of its PANELS table before any routine runs.
struct IMPORT_TABLE_ENTRY {
  UINT32 fnID;
  PVOID fnptr;
};

constexpr UINT32 IMPORT_TABLE_PANELS_ID = 0x0F;

struct IMPORTTABLE {
  IMPORT_TABLE_ENTRY PANELSentry;
  IMPORT_TABLE_ENTRY nullentry;
};

#if SKELBOR_HOST_ABI
static_assert(sizeof(IMPORTTABLE) == 16);
static_assert(offsetof(IMPORTTABLE, PANELSentry) == 0);
static_assert(offsetof(IMPORTTABLE, nullentry) == 8);
#endif

#if SKELBOR_HOST_ABI
#pragma pack(pop)
#endif
