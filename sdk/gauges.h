// The simulator's panel and gauge SDK as this module sees it: the records the
// host and the module share, the panel services table and its codes. Every
// field the host or the module touches is declared by name; nothing is written
// past a declared field.
#pragma once

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

using SINT32 = std::int32_t;
using UINT32 = std::uint32_t;
using UINT16 = std::uint16_t;
using FLAGS32 = std::uint32_t;
using FLOAT64 = double;
using PVOID = void*;

#ifndef _WIN32
using BOOL = int;
using COLORREF = std::uint32_t;

// DrawText alignment flags, as stored in a string element's draw_text_flags.
constexpr UINT32 DT_LEFT = 0x0;
constexpr UINT32 DT_CENTER = 0x1;
constexpr UINT32 DT_RIGHT = 0x2;

constexpr UINT32 DEFAULT_CHARSET = 1;
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

// Common head of every element record. next_element points at a list holding
// the following element of the chain (one entry, or null at the chain's end).
struct ELEMENT_HEADER {
  ELEMENT_TYPE_ENUM element_type;
  SINT32 resource_id;
  PIXPOINT position;
  GAUGEHDR* gauge_header;
  ELEMENT_HEADER* previous_element;
  ELEMENT_HEADER* const* next_element;
  const void* failure_records;
  FLAGS32 image_flags;
  FLAGS32 aircraft_special_instrumentation;
};

struct ELEMENT_STATIC_IMAGE {
  ELEMENT_HEADER header;
};

struct ELEMENT_STRING {
  ELEMENT_HEADER header;
  SINT32 source_var[3];
  PIXBOX box;  // x, y as in the header; width and height of the text box
  const char* font_name;
  SINT32 font_weight;
  UINT32 font_charset;
  COLORREF fg_color;
  COLORREF bg_color;
  COLORREF highlight_color;
  UINT32 draw_text_flags;
  // The character capacity of the text buffer, in the low 16 bits of the
  // count the host reads, and the two bytes that follow them.
  UINT16 max_string_length;
  UINT16 string_length_high;
  PSTRING_UPDATE_CALLBACK update_string_callback;
  char* string;  // the host allocates max_string_length + 1 bytes at install
};

struct ELEMENT_ICON {
  ELEMENT_HEADER header;
  SINT32 source_var;
  PICON_UPDATE_CALLBACK update_icon_callback;
  SINT32 picture_count;   // number of icons
  SINT32 switch_setting;  // how the callback's value selects the icon
  SINT32 resource_ids[2];
  SINT32 current_icon;  // written by the host
};

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
constexpr SINT32 CURSOR_HAND = 5;

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

struct GAUGEHDR {
  UINT32 gauge_header_version;
  const char* gauge_name;
  ELEMENT_HEADER* const* elements_list;
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
  FLOAT64 x_adjust;
  FLOAT64 y_adjust;
  PVOID user_data;
  const MOUSERECT* mouse_rect;
  PGAUGE_CALLBACK gauge_callback;
  UINT32 user_area;
  const char* parameters;  // filled by the host when it creates the gauge
  PVOID reserved2;
};

struct GAUGESLINKAGE {
  UINT32 ModuleID;
  PMODULE_INIT ModuleInit;
  PMODULE_DEINIT ModuleDeinit;
  FLAGS32 ModuleFlags;
  UINT32 ModulePriority;
  UINT32 ModuleVersion;
  GAUGEHDR* const* gauge_header_ptr;  // ended by a null entry
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
  MODULE_VAR_VALUE var_value;
  MODULE_VAR_VALUE var_old;
};

// ---------------------------------------------------------------------------
// Panel services.

struct PANELS {
  void(FSAPI* element_list_query)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_install)(ELEMENT_HEADER* element, PVOID resource_file_handle);
  void(FSAPI* element_list_initialize)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_update)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_generate)(ELEMENT_HEADER* element, UINT32 phase);
  void(FSAPI* element_list_plot)(ELEMENT_HEADER* element);
  void(FSAPI* element_list_kill)(ELEMENT_HEADER* element);
  void(FSAPI* lookup_var)(MODULE_VAR* module_var);
  void(FSAPI* element_use_color)(ELEMENT_HEADER* element, BOOL override, COLORREF color);
  PVOID(FSAPI* panel_get_registered_c_callback)(const char* name);
  PVOID(FSAPI* panel_get_aircraft_c_callback)(const char* name);
  BOOL(FSAPI* send_key_event)(UINT32 event_id, UINT32 value);
};

// One entry of the module's import table: the host replaces the null pointer
// of the entry with id 0x0F by the address of its PANELS table.
struct IMPORT_TABLE_ENTRY {
  UINT32 fnID;
  PVOID fnptr;
};

constexpr UINT32 IMPORT_TABLE_PANELS_ID = 0x0F;

struct IMPORTTABLE {
  IMPORT_TABLE_ENTRY PANELSentry;
  IMPORT_TABLE_ENTRY nullentry;
};
