# The Windows trees (MinGW-w64): the Win32 API's compile definitions and one helper per kind of
# binary, so that the static runtime and the export rules are written in one place. The warning
# policy is apart, in ZembrikWarnings.cmake.

# The oldest Windows each build runs on, as _WIN32_WINNT: both start on the XP family, the 32-bit
# build on Windows XP (5.1), the 64-bit build on the first 64-bit member, XP x64 / Server 2003
# (5.2). The headers then declare nothing newer, so a direct call to a later function fails to
# compile; later functions are looked up by name at run time and may be absent.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ZEMBRIK_OLDEST_WINDOWS 0x0502)
else()
  set(ZEMBRIK_OLDEST_WINDOWS 0x0501)
endif()
# Test programs, test doubles and developer tools run under Wine and on developers' machines only,
# never on a user's old Windows; they may call what Windows 7 has (GetTickCount64 and the like).
set(ZEMBRIK_DEVELOPER_WINDOWS 0x0601)

# Unicode throughout (the A calls are named explicitly where wanted), the lean windows.h, and no
# min/max macros. Applies to every target of the calling directory and the directories it adds
# afterwards (GoogleTest, added before, keeps its own settings).
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)

# zembrik_windows_version(VERSION): the Windows version the headers declare, for the targets of
# the calling directory and the directories it adds afterwards.
function(zembrik_windows_version version)
  get_directory_property(definitions COMPILE_DEFINITIONS)
  list(FILTER definitions EXCLUDE REGEX "^_WIN32_WINNT=")
  list(APPEND definitions _WIN32_WINNT=${version})
  set_directory_properties(PROPERTIES COMPILE_DEFINITIONS "${definitions}")
endfunction()

# Every Windows binary carries its C and C++ runtime inside: none needs a MinGW DLL beside it.
add_library(zembrik_static_runtime INTERFACE)
target_link_options(zembrik_static_runtime INTERFACE -static -static-libgcc -static-libstdc++)

# zembrik_windows_program(TARGET [WIDE_MAIN]): an .exe made by add_executable (with WIN32 for a
# windowed program). WIDE_MAIN: its entry point is wmain or wWinMain.
function(zembrik_windows_program target)
  cmake_parse_arguments(ARG "WIDE_MAIN" "" "" ${ARGN})
  target_link_libraries(${target} PRIVATE zembrik_static_runtime)
  if(ARG_WIDE_MAIN)
    target_link_options(${target} PRIVATE -municode)
  endif()
endfunction()

# zembrik_windows_dll(TARGET [UNDECORATED_EXPORTS]): a .dll made by add_library(... SHARED).
# UNDECORATED_EXPORTS: the 32-bit __stdcall exports keep their plain names (no "@4"), so that
# GetProcAddress finds them by the name the 64-bit build uses.
function(zembrik_windows_dll target)
  cmake_parse_arguments(ARG "UNDECORATED_EXPORTS" "" "" ${ARGN})
  target_link_libraries(${target} PRIVATE zembrik_static_runtime)
  if(ARG_UNDECORATED_EXPORTS AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()
