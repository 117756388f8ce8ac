# The program's version lives in one place, the project() call of the top
# CMakeLists.txt. This turns it into the forms the sources need: the
# four numbers of the version resources, the "2.0.001" text the program
# shows, and the "2.0.1" of package file names.
set(VERBS_VERSION ${PROJECT_VERSION})
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "The version in project() must be major.minor.patch, not ${PROJECT_VERSION}")
endif()
set(VERBS_VERSION_FOUR "${PROJECT_VERSION}.0")
string(LENGTH "${PROJECT_VERSION_PATCH}" patch_length)
set(padded_patch "${PROJECT_VERSION_PATCH}")
while(patch_length LESS 3)
  string(PREPEND padded_patch "0")
  math(EXPR patch_length "${patch_length} + 1")
endwhile()
set(VERBS_VERSION_DISPLAY "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${padded_patch}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/VerbsVersion.h.in ${VERBS_GENERATED_DIR}/VerbsVersion.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/verbs.manifest.in ${VERBS_GENERATED_DIR}/verbs.manifest @ONLY)
