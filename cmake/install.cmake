# Install rules: the evaluator and the four tools into bin, a man page for
# each into man/man1, the README into the doc folder, the contestant's page
# into share/barvotok. The tools' pages are
# written by help2man from their --help and --version; the evaluator's, whose
# command line is fixed, is written by hand (docs/man/Zvn22Barvotok.1).
set(CMAKE_INSTALL_DOCDIR share/doc/barvotok CACHE PATH "Documentation folder")
include(GNUInstallDirs)

set(BARVOTOK_TOOLS barvotok-gen barvotok-solve barvotok-visualise barvotok-contest)
install(TARGETS Zvn22Barvotok ${BARVOTOK_TOOLS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# One bash completion script serves the five, under each one's name, where
# bash-completion loads it on first use.
foreach(program Zvn22Barvotok ${BARVOTOK_TOOLS})
  install(FILES ${PROJECT_SOURCE_DIR}/tools/completion/barvotok.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME ${program})
endforeach()
# Another preset's build, made as a part of this one when OPTION is on (the
# package preset turns both on): a build of its own, in its own folder.
function(barvotok_preset_build option preset what)
  option(${option} "Make the ${preset} build (${what}) as a part of this one" OFF)
  if(${option})
    add_custom_target(${preset}_build ALL
                      COMMAND ${CMAKE_COMMAND} --workflow --preset ${preset}
                      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                      COMMENT "The ${preset} build: ${what}")
  endif()
endfunction()
# The contestant's page comes from the web build.
barvotok_preset_build(BARVOTOK_BUILD_WEB web "the contestant's page")
set(BARVOTOK_WEB_BUILD ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "The web build whose page is installed")
# The evaluator for Windows, for organisers to download from
# build/windows/Zvn22Barvotok.exe; it is not installed here.
barvotok_preset_build(BARVOTOK_BUILD_WINDOWS windows "Zvn22Barvotok.exe")
install(FILES ${BARVOTOK_WEB_BUILD}/barvotok.html DESTINATION ${CMAKE_INSTALL_DATADIR}/barvotok OPTIONAL)
# The licence goes into the doc folder as Debian's machine-readable copyright
# file, the changelog as Debian keeps a native package's (gzip -9n: no name,
# no time, so the same file gives the same bytes, as for the man pages).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE LICENCE_TEXT)
string(REGEX REPLACE "\n$" "" LICENCE_TEXT "${LICENCE_TEXT}")
string(REPLACE "\n\n" "\n.\n" LICENCE_TEXT "${LICENCE_TEXT}")
string(REPLACE "\n" "\n " LICENCE_TEXT "${LICENCE_TEXT}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
     "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
     "Upstream-Name: barvotok\n\n"
     "Files: *\n"
     "Copyright: 2026 The barvotok authors\n"
     "License: Expat\n ${LICENCE_TEXT}\n")
add_custom_command(
  OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/cmake/debian/changelog ${PROJECT_BINARY_DIR}/changelog
  COMMAND gzip -9n -f ${PROJECT_BINARY_DIR}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog
  VERBATIM)
add_custom_target(changelog ALL DEPENDS ${PROJECT_BINARY_DIR}/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The reference pages beside the README, as its links expect them.
file(GLOB DOC_PAGES ${PROJECT_SOURCE_DIR}/docs/*.md ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES ${DOC_PAGES} DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

# Pages are compressed as Debian keeps them (gzip -9n: no name, no time, so
# the same page gives the same bytes).
set(MAN_SOURCES ${PROJECT_SOURCE_DIR}/docs/man)
set(MAN_BUILD ${PROJECT_BINARY_DIR}/man)
set(MAN_PAGES ${MAN_BUILD}/Zvn22Barvotok.1.gz)
# The evaluator's page carries the version and the month of the build in its
# footer, as help2man's pages do (SOURCE_DATE_EPOCH fixes both months).
string(TIMESTAMP MAN_DATE "%B %Y" UTC)
configure_file(${MAN_SOURCES}/Zvn22Barvotok.1 ${MAN_BUILD}/Zvn22Barvotok.1.in @ONLY)
add_custom_command(
  OUTPUT ${MAN_BUILD}/Zvn22Barvotok.1.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${MAN_BUILD}/Zvn22Barvotok.1.in ${MAN_BUILD}/Zvn22Barvotok.1
  COMMAND gzip -9n -f ${MAN_BUILD}/Zvn22Barvotok.1
  DEPENDS ${MAN_BUILD}/Zvn22Barvotok.1.in
  VERBATIM)

find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
  message(STATUS "help2man not found: only the evaluator's man page is built "
                 "(bash scripts/install-deps.sh installs it)")
endif()

# barvotok-contest's page shows its usage and then each command's options,
# so help2man reads them through a script that prints them one after another.
file(GENERATE OUTPUT ${MAN_BUILD}/help/barvotok-contest
     CONTENT "#!/bin/sh\nexec sh ${MAN_SOURCES}/contest_help.sh $<TARGET_FILE:barvotok-contest> \"$@\"\n"
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# One line of each tool's NAME section: "barvotok-gen - writes test sets".
set(MAN_NAME_barvotok-gen "write test sets of the Barvotok task")
set(MAN_NAME_barvotok-solve "solve a Barvotok test set: the reference solver")
set(MAN_NAME_barvotok-visualise "draw the evaluator's replay of a Barvotok submission as a web page")
set(MAN_NAME_barvotok-contest "judge a Barvotok contest into results databases and rank it")
# Each page's SEE ALSO names the other programs' pages and the README.
set(MAN_PROGRAMS Zvn22Barvotok ${BARVOTOK_TOOLS})
foreach(tool ${BARVOTOK_TOOLS})
  set(others ${MAN_PROGRAMS})
  list(REMOVE_ITEM others ${tool})
  list(TRANSFORM others PREPEND ".BR ")
  list(TRANSFORM others APPEND " (1),")
  list(JOIN others "\n" see_also)
  string(REGEX REPLACE ",$" "." see_also "${see_also}")
  file(WRITE ${MAN_BUILD}/${tool}.see-also.h2m
       "[SEE ALSO]\n${see_also}\n.PP\nThe documentation, installed in\n.IR /usr/share/doc/barvotok :\n"
       "the README and the pages of its docs folder tell the formats, the report,\n"
       "the results database and how to scale a contest's judging out over many machines.\n")
endforeach()
if(HELP2MAN)
  foreach(tool ${BARVOTOK_TOOLS})
    set(program $<TARGET_FILE:${tool}>)
    set(page_inputs ${MAN_SOURCES}/${tool}.h2m ${MAN_SOURCES}/sections.sed)
    if(tool STREQUAL barvotok-contest)
      set(program ${MAN_BUILD}/help/barvotok-contest)
      list(APPEND page_inputs ${MAN_SOURCES}/contest_help.sh)
    endif()
    add_custom_command(
      OUTPUT ${MAN_BUILD}/${tool}.1.gz
      COMMAND ${HELP2MAN} --no-info --section=1 "--name=${MAN_NAME_${tool}}"
              --include=${MAN_SOURCES}/${tool}.h2m --include=${MAN_BUILD}/${tool}.see-also.h2m
              --output=${MAN_BUILD}/${tool}.1 ${program}
      COMMAND sed -i -f ${MAN_SOURCES}/sections.sed ${MAN_BUILD}/${tool}.1
      COMMAND gzip -9n -f ${MAN_BUILD}/${tool}.1
      DEPENDS ${tool} ${page_inputs}
      COMMENT "Writing the man page of ${tool}"
      VERBATIM)
    list(APPEND MAN_PAGES ${MAN_BUILD}/${tool}.1.gz)
  endforeach()
endif()
add_custom_target(man_pages ALL DEPENDS ${MAN_PAGES})
install(FILES ${MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
