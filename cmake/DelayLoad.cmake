# System libraries that the program needs only after it has started are
# bound at their first call instead of being loaded with the program: each
# one, with the libraries it pulls in, lengthens every start. The imaging
# component is first needed when a test decodes its picture, the common
# dialogs when the font chooser or the save dialog opens.
#
#   verbs_delay_load(<target> <dll> <function>@<argument bytes>...)
#
# links <target> to the named functions of <dll> through a delay-load import
# library made at configure time (MinGW: dlltool; the argument bytes make the
# 32-bit stdcall names and are dropped for 64-bit). A function of <dll> that
# is not listed does not link, so none can bring the library back to start-up
# unnoticed. MSVC links the usual import library and delay-loads the DLL.

function(verbs_delay_load target dll)
  get_filename_component(base ${dll} NAME_WE)
  if(MSVC)
    target_link_libraries(${target} PRIVATE ${base} delayimp)
    target_link_options(${target} INTERFACE /DELAYLOAD:${dll})
    return()
  endif()
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "dlltool is needed to make the delay-load library of ${dll}")
  endif()
  set(dir ${CMAKE_BINARY_DIR}/delayload)
  set(def ${dir}/${base}.def)
  set(lib ${dir}/lib${base}_delay.a)
  set(exports "")
  foreach(function ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    endif()
    string(APPEND exports "    ${function}\n")
  endforeach()
  file(MAKE_DIRECTORY ${dir})
  file(WRITE ${def} "LIBRARY ${dll}\nEXPORTS\n${exports}")
  set(kill_at "")
  if(NOT CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(kill_at --kill-at) # the DLL exports the names without "@n"
  endif()
  execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib} ${kill_at}
                  WORKING_DIRECTORY ${dir} RESULT_VARIABLE result ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "dlltool could not make the delay-load library of ${dll}: ${error}")
  endif()
  target_link_libraries(${target} PRIVATE ${lib})
endfunction()
