# One warning policy for every target of the project.
add_library(zembrik_warnings INTERFACE)
target_compile_options(zembrik_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                  -Wno-sign-conversion -Wno-missing-field-initializers)
# Warnings are errors in every tree: a warning that scrolls past in a build log is never read.
# -DZEMBRIK_WERROR=OFF lets an experiment build with them.
option(ZEMBRIK_WERROR "Treat compiler warnings as errors" ON)
if(ZEMBRIK_WERROR)
  target_compile_options(zembrik_warnings INTERFACE -Werror)
endif()
if(WIN32)
  # Unicode throughout the Windows code; the A calls are named explicitly where wanted.
  target_compile_definitions(zembrik_warnings INTERFACE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                        _WIN32_WINNT=0x0601)
endif()
