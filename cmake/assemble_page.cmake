# Puts a page together from its parts: every line "<!--INCLUDE NAME-->" of
# the template is replaced by the file NAME (itself assembled the same way):
# a part given as NAME=PATH in PARTS, or else the file NAME beside the file
# that includes it. So two pages share a part without a copy. Called as:
#   cmake -DTEMPLATE=page.html -DOUTPUT=out.html [-DPARTS=name=path,...]
#         [-DSCRIPT_SAFE=name,...] -P assemble_page.cmake
# A part named in SCRIPT_SAFE goes into a script element, so it must not hold
# "</script" (which would end the element early).
function(assemble variable template)
  get_filename_component(folder ${template} DIRECTORY)
  file(READ ${template} text)
  string(REGEX MATCHALL "<!--INCLUDE [^>]+-->\n" includes "${text}")
  foreach(include ${includes})
    string(REGEX REPLACE "<!--INCLUDE ([^>]+)-->\n" "\\1" name "${include}")
    set(path ${folder}/${name})
    foreach(given ${GIVEN_PARTS})
      if(given MATCHES "^${name}=(.*)$")
        set(path ${CMAKE_MATCH_1})
      endif()
    endforeach()
    assemble(part ${path})
    list(FIND SAFE_PARTS ${name} safe)
    if(NOT safe EQUAL -1)
      string(TOLOWER "${part}" lower)
      string(FIND "${lower}" "</script" closing)
      if(NOT closing EQUAL -1)
        message(FATAL_ERROR "${folder}/${name} holds </script, which would end its script element")
      endif()
    endif()
    string(REPLACE "${include}" "${part}" text "${text}")
  endforeach()
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()

string(REPLACE "," ";" SAFE_PARTS "${SCRIPT_SAFE}")
string(REPLACE "," ";" GIVEN_PARTS "${PARTS}")
assemble(page ${TEMPLATE})
file(WRITE ${OUTPUT}.new "${page}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
