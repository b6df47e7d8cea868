/* skelbor.h: what another gauge module of the same panel can call in
 * skelbor.gau, the skelbor GPS gauge module.
 *
 * skelbor.gau exports two functions by their plain names "GetICAO" and
 * "SetICAO" (no decoration), with the __stdcall calling convention of the
 * simulator's gauge interface: the called function removes its arguments.
 * Declare them __stdcall, as below: a __cdecl declaration corrupts the stack.
 *
 *   GetICAO  the airport the display shows, as the simulator's GPS module
 *            names it: a facility ICAO text whose character 0 is the type
 *            letter ('A' for an airport) and whose ident starts at
 *            character 7, e.g. "A      KSEA" (at most 12 characters). The
 *            text is skelbor.gau's own copy of what the GPS module said:
 *            it stays as it is until the next GetICAO call, from your module
 *            or any other, so copy it before you call again or return to
 *            the simulator. Never free or write it. It is the empty string,
 *            never NULL, when the GPS module is unavailable or its text is
 *            longer than an ICAO.
 *
 *   SetICAO  makes the display show an airport, as if it had been entered on
 *            the Airport page, and switches the display to that page. Give
 *            the ident alone, e.g. "KSEA": only its first 4 characters are
 *            used; an empty ident shows no airport. Nothing is returned:
 *            read GetICAO after the next panel update to see what the GPS
 *            module found.
 *
 * Call both only from the panel's own thread (from your gauge's callbacks or
 * mouse handlers), like every other call into a gauge module.
 */
#ifndef SKELBOR_H
#define SKELBOR_H

/* __stdcall is a convention of 32-bit Windows; elsewhere there is one. */
#ifdef _WIN32
#define SKELBOR_CALL __stdcall
#else
#define SKELBOR_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef const char*(SKELBOR_CALL* SkelborGetIcao)(void);
typedef void(SKELBOR_CALL* SkelborSetIcao)(const char* ident);

#ifdef __cplusplus
}
#endif

/* Example: another gauge module finds skelbor.gau, which the simulator has
 * already loaded from its gauges folder, and calls it.
 *
 *   #include <windows.h>
 *   #include <string.h>
 *   #include "skelbor.h"
 *
 *   static char shown[13];
 *
 *   void ShowSeattleAndRemember(void)
 *   {
 *       HMODULE skelbor = GetModuleHandleA("skelbor.gau");
 *       if (skelbor == NULL)  // not loaded yet: load it from the gauges folder
 *           skelbor = LoadLibraryA("gauges\\skelbor.gau");
 *       if (skelbor == NULL)
 *           return;
 *       SkelborSetIcao set_icao = (SkelborSetIcao)GetProcAddress(skelbor, "SetICAO");
 *       SkelborGetIcao get_icao = (SkelborGetIcao)GetProcAddress(skelbor, "GetICAO");
 *       if (set_icao == NULL || get_icao == NULL)
 *           return;
 *       set_icao("KSEA");
 *       // ... later, e.g. at the next update of your gauge:
 *       strncpy(shown, get_icao(), sizeof shown - 1);  // copy at once
 *   }
 *
 * GetModuleHandleA finds the copy the panel already uses, so the display of
 * that panel changes. A module loaded with LoadLibraryA by another path is a
 * second copy with a display of its own: prefer GetModuleHandleA, and free
 * with FreeLibrary only what LoadLibraryA gave you.
 */

#endif /* SKELBOR_H */
