# Builds the scrambled verb-table resource from data/resources/verbs.txt, and
# the resource of the forms a test also accepts from
# data/resources/also_accepted.txt, with the writer in tools/verbres. When cross-compiling, the writer is built for
# the build machine with its own C++ compiler; on Windows it is a normal target.
set(VERBS_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${VERBS_GENERATED_DIR})
set(VERB_WRITER_SOURCES ${CMAKE_SOURCE_DIR}/tools/verbres/VerbResWriter.cpp
                        ${CMAKE_SOURCE_DIR}/tools/verbres/VerbResEncoder.cpp)
set(VERB_TABLE_SOURCE ${CMAKE_SOURCE_DIR}/data/resources/verbs.txt)
set(VERB_TABLE_RESOURCE ${VERBS_GENERATED_DIR}/verbs.vrb)
set(ALSO_ACCEPTED_SOURCE ${CMAKE_SOURCE_DIR}/data/resources/also_accepted.txt)
set(ALSO_ACCEPTED_RESOURCE ${VERBS_GENERATED_DIR}/also_accepted.vra)

if(CMAKE_CROSSCOMPILING)
  find_program(HOST_CXX NAMES c++ g++ clang++ REQUIRED)
  set(VERB_WRITER ${CMAKE_BINARY_DIR}/host/verbres_writer)
  add_custom_command(
    OUTPUT ${VERB_WRITER}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
    COMMAND ${HOST_CXX} -std=c++17 -O2 -I${CMAKE_SOURCE_DIR} -o ${VERB_WRITER} ${VERB_WRITER_SOURCES}
    DEPENDS ${VERB_WRITER_SOURCES} ${CMAKE_SOURCE_DIR}/tools/verbres/VerbResEncoder.h
            ${CMAKE_SOURCE_DIR}/data/VerbResourceFormat.h
    COMMENT "Building the verb resource writer for the build machine")
  set(VERB_WRITER_COMMAND ${VERB_WRITER})
  set(VERB_WRITER_DEPENDS ${VERB_WRITER})
else()
  add_executable(verbres_writer ${VERB_WRITER_SOURCES})
  target_include_directories(verbres_writer PRIVATE ${CMAKE_SOURCE_DIR})
  set(VERB_WRITER_COMMAND $<TARGET_FILE:verbres_writer>)
  set(VERB_WRITER_DEPENDS verbres_writer)
endif()

add_custom_command(
  OUTPUT ${VERB_TABLE_RESOURCE} ${ALSO_ACCEPTED_RESOURCE}
  COMMAND ${VERB_WRITER_COMMAND} ${VERB_TABLE_SOURCE} ${VERB_TABLE_RESOURCE}
          ${ALSO_ACCEPTED_SOURCE} ${ALSO_ACCEPTED_RESOURCE}
  DEPENDS ${VERB_WRITER_DEPENDS} ${VERB_TABLE_SOURCE} ${ALSO_ACCEPTED_SOURCE}
  COMMENT "Writing the verb-table resource and the forms also accepted")
add_custom_target(verbs_table_resource DEPENDS ${VERB_TABLE_RESOURCE} ${ALSO_ACCEPTED_RESOURCE})
set(VERBS_RESOURCE_DEPENDS ${VERB_TABLE_RESOURCE} ${ALSO_ACCEPTED_RESOURCE})
