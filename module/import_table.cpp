#include "module/exports.h"
#include "module/panel_services.h"

extern "C" {
SKELBOR_EXPORT IMPORTTABLE ImportTable = {
    {IMPORT_TABLE_PANELS_ID, nullptr},
    {0, nullptr},
};
}
