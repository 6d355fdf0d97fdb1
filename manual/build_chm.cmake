# Builds one edition of KORVN2K.CHM (run by the manual's CMakeLists with -P):
#   -DLANG=en|de -DSOURCE=<manual folder> -DWORK=<scratch folder> -DOUT=<.chm> -DKVCAT=<kvcat>
#   -DDATABASE=<database folder> -DCHMCMD=<chmcmd>
# Copies the edition's topics, writes the function reference with kvcat, splices its contents and index
# entries in at the "<!--REFERENCE-->" marks, compiles, and replaces OUT only with a complete file.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SOURCE}/${LANG}/ DESTINATION ${WORK})
file(COPY ${SOURCE}/manual.css DESTINATION ${WORK})

execute_process(COMMAND ${KVCAT} reference --lang ${LANG} --out ${WORK} ${DATABASE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "kvcat reference failed (${result})")
endif()

foreach(kind hhc hhk)
  if(kind STREQUAL "hhc")
    set(target ${WORK}/toc.hhc)
  else()
    set(target ${WORK}/index.hhk)
  endif()
  file(READ ${WORK}/reference.${kind} fragment)
  file(READ ${target} text)
  string(FIND "${text}" "<!--REFERENCE-->" mark)
  if(mark EQUAL -1)
    message(FATAL_ERROR "${target} has no <!--REFERENCE--> mark")
  endif()
  string(REPLACE "<!--REFERENCE-->" "${fragment}" text "${text}")
  file(WRITE ${target} "${text}")
  file(REMOVE ${WORK}/reference.${kind})
endforeach()

# The index in alphabetical order (the viewer shows it in the file's order). Every entry is the four
# lines "<LI> <OBJECT ...>", Name, Local, "</OBJECT>" that the sources and kvcat write.
file(READ ${WORK}/index.hhk text)
string(REPLACE ";" "<semicolon>" text "${text}")
string(REGEX MATCHALL "<LI> <OBJECT type=\"text/sitemap\">\n[^\n]*\n[^\n]*\n[^\n]*\n" entries "${text}")
set(keyed)
foreach(entry ${entries})
  string(REGEX MATCH "name=\"Name\" value=\"([^\"]*)\"" ignored "${entry}")
  string(TOLOWER "${CMAKE_MATCH_1}" key)
  string(REGEX REPLACE "^[^a-z0-9]+" "" key "${key}")
  list(APPEND keyed "${key}<key>${entry}")
endforeach()
list(SORT keyed)
set(sorted "")
foreach(entry ${keyed})
  string(REGEX REPLACE "^.*<key>" "" entry "${entry}")
  string(APPEND sorted "${entry}")
endforeach()
list(LENGTH entries count)
string(REGEX REPLACE "<LI> <OBJECT type=\"text/sitemap\">.*</OBJECT>\n" "${sorted}" text "${text}")
string(REPLACE "<semicolon>" ";" text "${text}")
file(WRITE ${WORK}/index.hhk "${text}")

# [FILES] is the project's last section: the generated pages and the pictures join it.
file(GLOB generated RELATIVE ${WORK} ${WORK}/ref_*.htm ${WORK}/img/*.png)
list(SORT generated)
foreach(name ${generated})
  file(APPEND ${WORK}/korvn2k.hhp "${name}\n")
endforeach()

execute_process(COMMAND ${CHMCMD} --verbosity 1 korvn2k.hhp WORKING_DIRECTORY ${WORK}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/KORVN2K.CHM)
  message(FATAL_ERROR "chmcmd failed (${result}):\n${output}")
endif()
get_filename_component(out_dir ${OUT} DIRECTORY)
file(COPY_FILE ${WORK}/KORVN2K.CHM ${OUT}.tmp)
file(RENAME ${OUT}.tmp ${OUT})
