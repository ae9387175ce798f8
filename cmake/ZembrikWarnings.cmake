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
