# SPDX-FileCopyrightText: 2026 The Lumeq developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The English texts use none of the terms translations/GLOSSARY.md retires: not in a translation
# of a .ts file, not in an English help topic; and a desktop entry's keys without a locale are
# English (plain ASCII). Arguments: FILES, a ;-list of .ts, .html and .desktop files; EXPECT,
# for the check of the check: the number of findings its sample files must give.
# Each retired term: a regular expression, "=>", what to write instead.
set(retired
    "[^A-Za-z][Ll]inks?[^A-Za-z] => 'element' (a link is not a transfer-function element)"
    "[Aa]stati => 'system type', N_g, N_f"
    "N(_|<sub>|&lt.sub&gt.)ast => N_g, N_f"
    "[Ss]cheme => 'Diagram n'"
    "[Ll]ag-lead => 'lead/lag element'"
    "t(_|<sub>|&lt.sub&gt.)p[^a-z] => t_s for the settling time (t_p is the peak time)"
    "[Ii]nitial data => 'given data', 'New data will be generated'"
    "[Ff]requency characteristic => 'frequency response'"
    "[Ll]og-magnitude => 'Bode magnitude plot'"
    "[Ll]aboratory work => 'lab'")

set(found "")
set(count 0)
foreach(file ${FILES})
  file(READ ${file} text)
  if(file MATCHES "\\.ts$")
    # The settling time's index is translated, not kept as the Russian "p".
    if(text MATCHES "<comment>settling time index</comment>[ \n]*(<extracomment>[^<]*</extracomment>[ \n]*)?<translation>p</translation>")
      string(APPEND found "\n${file}: the settling time index translated as p (write s)")
      math(EXPR count "${count} + 1")
    endif()
    # Only the translations: the sources are Russian, the comments speak to translators and the
    # context names are the code's.
    foreach(element name source comment extracomment)
      string(REGEX REPLACE "<${element}>([^<]|<byte[^>]*>)*</${element}>" "" text "${text}")
    endforeach()
  endif()
  # Line by line; a ';' in the text is not CMake's list separator.
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  foreach(line ${lines})
    if(file MATCHES "\\.desktop$")
      if(line MATCHES "^[A-Za-z]+=" AND NOT line MATCHES "^[ -~]*$")
        string(APPEND found "\n${file}: '${line}' is not English (a key without [locale])")
        math(EXPR count "${count} + 1")
      endif()
      continue()
    endif()
    foreach(entry ${retired})
      string(REPLACE " => " ";" pair "${entry}")
      list(GET pair 0 pattern)
      list(GET pair 1 instead)
      string(REGEX MATCHALL "${pattern}" hits "${line}")
      list(LENGTH hits n)
      if(n GREATER 0)
        string(REGEX MATCH "[^ ]*[ ]?[^ ]*${pattern}[^ ]*[ ]?[^ ]*" where "${line}")
        string(APPEND found "\n${file}: \"${where}\": write ${instead}")
        math(EXPR count "${count} + ${n}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(DEFINED EXPECT)
  if(NOT count EQUAL EXPECT)
    message(FATAL_ERROR "${count} findings in the samples instead of ${EXPECT}:${found}")
  endif()
  message(STATUS "the samples' ${count} retired terms found:${found}")
elseif(found)
  message(FATAL_ERROR "Retired terms in the English texts (see translations/GLOSSARY.md):${found}")
else()
  list(LENGTH FILES files)
  message(STATUS "${files} English files use none of the retired terms")
endif()
