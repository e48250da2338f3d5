# Checks the link graph that LayerGraph.cmake wrote against the one-way rules: a folder links only the
# folders listed for it (all of them below it) and only the Qt modules listed for it. Run with
#   cmake -DGRAPH=<file> -P CheckLayers.cmake
# Prints the folder picture and fails when any link breaks a rule.
cmake_minimum_required(VERSION 3.25)

# Folders and what they may use. The order is the order of the layers, lowest first.
set(rules
  "numbers:"
  "record:"
  "xls:"
  "platform:"
  "res:"
  "translations: res platform"
  "cli/options:"
  "ui/units:"
  "ui/screenfit:"
  "format: record numbers"
  "analysis: format record numbers"
  "analysis/grid: analysis record"
  "plots: analysis platform numbers"
  "export: format record xls platform"
  "archive: export format record xls platform numbers"
  "pg:"
  "team: pg"
  "sync: archive team pg numbers"
  "link: format record platform"
  "sim: record platform"
  "doctor: link platform"
  "texts: doctor archive analysis analysis/grid platform numbers"
  "printsvc/sitereport: texts plots analysis archive format record platform"
  "ui/filedialog:"
  "ui/keyboard:"
  "ui/progress: ui/screenfit platform"
  "ui/clock: platform ui/units"
  "ui/menu: res"
  "ui/panel: format record platform ui/units numbers"
  "ui/panel/tools: ui/panel ui/menu"
  "ui/engineering: texts plots analysis analysis/grid archive ui/filedialog ui/screenfit ui/keyboard format record platform numbers"
  "ui/engineering/tools: ui/engineering translations"
  "ui/history: texts ui/engineering printsvc/sitereport archive export ui/filedialog ui/screenfit ui/keyboard format record platform"
  "ui/history/tools: ui/history translations"
  "ui/team: sync archive pg platform ui/keyboard"
  "ui/team/tools: ui/team ui/history sync archive translations"
  "printsvc/form:"
  "printsvc/handoff: record platform"
  "printsvc/report: printsvc/form format record platform"
  "printsvc/dialog: printsvc/handoff printsvc/report format platform ui/screenfit"
  "printsvc/app: texts translations printsvc/dialog printsvc/report printsvc/handoff printsvc/form format record platform ui/screenfit"
  "app/dialog: texts translations archive ui/history ui/team ui/filedialog ui/screenfit ui/keyboard doctor link export ui/progress ui/clock ui/menu ui/panel ui/units printsvc/handoff format record platform res"
  "app/main: app/dialog translations"
  "app/tools: app/dialog translations"
  "packaging: res"
  "cli: texts translations analysis analysis/grid archive sync team pg doctor link export printsvc/report printsvc/sitereport printsvc/handoff format record platform res cli/options numbers")
# Qt modules a folder may link itself; none for the others.
set(qt_rules
  "platform: Core"
  "cli/options: Core"
  "link: Core"
  "doctor: Core"
  "res: Core Gui"
  "translations: Core Platform"  # Platform: only the build flags of the built-in translation's resource
  "ui/units: Gui"
  "ui/screenfit: Widgets"
  "ui/filedialog: Widgets"
  "texts: Core"
  "ui/keyboard: Widgets"
  "plots: Gui Svg"
  "ui/progress: Widgets"
  "ui/clock: Widgets"
  "ui/menu: Widgets"
  "ui/panel: Widgets"
  "ui/engineering: Widgets"
  "ui/engineering/tools: Widgets Test"
  "ui/history: Widgets PrintSupport"
  "ui/history/tools: Widgets Test"
  "ui/team: Widgets"
  "ui/team/tools: Widgets Test"
  "printsvc/form: Core Gui"
  "printsvc/handoff: Core"
  "printsvc/report: Gui"
  "printsvc/sitereport: Gui"
  "printsvc/dialog: Widgets"
  "printsvc/app: Widgets PrintSupport"
  "app/dialog: Widgets"
  "packaging: Gui"
  "cli: Core Gui")
# Tests, benchmarks and fuzz programs stand on top: they may use every folder and any Qt module, and
# no rule above lets a folder use them.

function(rule_of table folder out)
  set(${out} "<none>" PARENT_SCOPE)
  foreach(rule IN LISTS ${table})
    string(REGEX MATCH "^([^:]+):(.*)$" matched "${rule}")
    if(CMAKE_MATCH_1 STREQUAL folder)
      string(STRIP "${CMAKE_MATCH_2}" uses)
      string(REPLACE " " ";" uses "${uses}")
      set(${out} "${uses}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

if(NOT EXISTS "${GRAPH}")
  message(FATAL_ERROR "no link graph at '${GRAPH}'")
endif()
file(STRINGS "${GRAPH}" lines)
set(faults)
set(picture)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^([^ ]+) ([^:]+):(.*)$" matched "${line}")
  set(folder "${CMAKE_MATCH_1}")
  set(target "${CMAKE_MATCH_2}")
  string(STRIP "${CMAKE_MATCH_3}" links)
  string(REPLACE " " ";" links "${links}")
  set(top OFF)
  if(folder MATCHES "^(tests|bench|fuzz)(/|$)")
    set(top ON)
  endif()
  rule_of(rules "${folder}" allowed)
  if(allowed STREQUAL "<none>" AND NOT top)
    list(APPEND faults "${target} (${folder}): the folder has no rule")
    continue()
  endif()
  rule_of(qt_rules "${folder}" qt_allowed)
  set(used)
  foreach(link IN LISTS links)
    if(link MATCHES "^Qt6::(.*)$")
      set(module "${CMAKE_MATCH_1}")
      if(NOT top AND NOT module IN_LIST qt_allowed)
        list(APPEND faults "${target} (${folder}) links Qt6::${module}, which its folder may not use")
      endif()
      continue()
    endif()
    string(REGEX MATCH "^(.*)/([^/]+)$" matched "${link}")
    set(link_folder "${CMAKE_MATCH_1}")
    set(link_target "${CMAKE_MATCH_2}")
    if(link_folder STREQUAL folder)
      continue()
    endif()
    list(APPEND used ${link_folder})
    if(NOT top AND NOT link_folder IN_LIST allowed)
      list(APPEND faults "${target} (${folder}) links ${link_target} of ${link_folder}: a layer it may not use")
    endif()
  endforeach()
  if(NOT top)
    list(REMOVE_DUPLICATES used)
    list(JOIN used " " used)
    list(APPEND picture "  ${folder} (${target}) -> ${used}")
  endif()
endforeach()
list(JOIN picture "\n" picture)
message("${picture}")
if(faults)
  list(JOIN faults "\n  " faults)
  message(FATAL_ERROR "links against the layers:\n  ${faults}")
endif()
