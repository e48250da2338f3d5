# The map of the code: which folder may use which, and what each holds. Three ways to run it:
#   cmake -DGRAPH=<file> -P CheckLayers.cmake
#     checks the link graph that LayerGraph.cmake wrote against the one-way rules: a folder links only the
#     folders listed for it (all of them below it) and only the Qt modules listed for it, and every target
#     is named in its folder's entry below. Prints the folder picture and fails when any link breaks a rule.
#   cmake -DCHECK_DOC=<markdown file> -P CheckLayers.cmake
#     fails when the layer table in that file is not the one these rules make (docs/architecture.md).
#   cmake -DWRITE_DOC=<markdown file> -P CheckLayers.cmake
#     writes the table into that file, between its two marker lines (scripts/layer-table.sh).
# The table is made from the rules, so the documentation and the build cannot disagree.
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
  "electrode: analysis/grid analysis"
  "plots: electrode analysis/grid analysis platform numbers"
  "export: format record xls platform"
  "archive: export format record xls platform numbers"
  "attach: archive"
  "import: archive format platform numbers"
  "stored: archive analysis/grid analysis"
  "pg:"
  "team: pg numbers"
  "sync: archive team pg numbers"
  "link: format record platform numbers"
  "sim: record platform numbers"
  "doctor: link platform numbers"
  "texts: doctor import sync archive electrode analysis analysis/grid platform numbers"
  "printsvc/sitereport: texts plots electrode analysis/grid stored analysis archive format record platform"
  "ui/filedialog:"
  "ui/keyboard: numbers"
  "ui/help: translations ui/screenfit"
  "ui/progress: ui/screenfit platform"
  "ui/clock: platform ui/units"
  "ui/menu: res"
  "ui/panel: format record platform ui/units numbers"
  "ui/panel/tools: ui/panel ui/menu"
  "ui/engineering: texts plots electrode analysis analysis/grid stored archive ui/filedialog ui/screenfit ui/keyboard ui/help format record platform numbers"
  "ui/engineering/tools: ui/engineering translations"
  "ui/history: texts translations ui/engineering printsvc/sitereport attach import archive export ui/filedialog ui/screenfit ui/keyboard ui/help format record platform"
  "ui/history/tools: ui/history translations"
  "ui/team: texts sync archive pg platform ui/keyboard ui/help"
  "ui/team/tools: ui/team ui/history ui/screenfit sync archive translations"
  "printsvc/form:"
  "printsvc/handoff: record platform"
  "printsvc/report: printsvc/form format record platform"
  "printsvc/dialog: printsvc/handoff printsvc/report format platform ui/screenfit"
  "printsvc/app: texts translations printsvc/dialog printsvc/report printsvc/handoff printsvc/form format record platform ui/screenfit"
  "printsvc/tools: printsvc/app printsvc/dialog ui/screenfit"
  "app/dialog: texts translations ui/help archive ui/history ui/team ui/filedialog ui/screenfit ui/keyboard doctor link export ui/progress ui/clock ui/menu ui/panel ui/units printsvc/handoff format record platform res"
  "app/main: app/dialog translations"
  "app/tools: app/dialog ui/engineering/tools ui/history/tools ui/team/tools printsvc/tools ui/screenfit translations"
  "packaging: res"
  "cli: texts translations analysis analysis/grid stored electrode import archive sync team pg doctor link export printsvc/report printsvc/sitereport printsvc/handoff attach format record platform res cli/options numbers")
# Qt modules a folder may link itself; none for the others.
set(qt_rules
  "platform: Core"
  "cli/options: Core"
  "link: Core"
  "doctor: Core"
  "attach: Gui"
  "res: Core Gui"
  "translations: Core Platform"  # Platform: only the build flags of the built-in translation's resource
  "ui/units: Gui"
  "ui/screenfit: Widgets"
  "ui/filedialog: Widgets"
  "import: Core"
  "texts: Core"
  "ui/keyboard: Widgets"
  "ui/help: Widgets Core Platform"  # Core, Platform: only the built-in guides' resource object
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
  "printsvc/sitereport: Gui Svg"
  "printsvc/dialog: Widgets"
  "printsvc/app: Widgets PrintSupport"
  "printsvc/tools: Widgets"
  "app/dialog: Widgets"
  "app/tools: Widgets Test"
  "packaging: Gui"
  "cli: Core Gui")
# What each folder is: "folder|targets|what it holds" (no semicolons), in the order of the rules.
set(folder_entries
  "numbers|tv_numbers|numbers to text and back with a decimal point under every locale (`std::to_chars`/`from_chars`), the one integer parser, JSON documents (nlohmann-json) and the one way a number goes into them"
  "record|tv_record|record packet, measurement record, 100-slot table, read-out state"
  "xls|tv_xls|`.xls` writer (compound document and BIFF8)"
  "platform|tv_platform|message boxes, port map and its folder watch, hand-off folder, launcher, lock, files written whole and read checked, the last-resort handler, the settings"
  "res|tv_res|menus, toolbar, icons, texts"
  "translations|tv_translations|the translations built in as `.qm`, the choice of language (`--lang`, setting, system)"
  "cli/options|tv_cliopts|the subcommands' options: declared once, parsed strictly, shown in synopsis and help"
  "ui/units|tv_units|dialog units and the dialog font"
  "ui/screenfit|tv_screenfit|window positions and sizes kept inside the screen's available area"
  "format|tv_format|every text of a record: modes, quantities, display, cells, list, report, messages"
  "analysis|tv_analysis|layered soil from Wenner and Schlumberger soundings (GSL's least squares), the fall-of-potential curve"
  "analysis/grid|tv_grid|earthing grid safety after IEEE Std 80-2013 and EN 50522:2010"
  "electrode|tv_electrode|an earthing electrode of thin straight conductors (grid, rods, rings, any segments) in uniform, two- or three-layer soil by the method of moments: resistance, current per segment, potential anywhere, surface maps, touch and step voltages, a grid design's safety computed in the soil model (Eigen)"
  "plots|tv_plots|plots of the soil model, the fall-of-potential curve and the map of touch and step voltages over a grid (QPainter), PNG, SVG and PDF"
  "export|tv_export|the workbook of Save and `export`"
  "archive|tv_archive|the measurement archive (SQLite): sites, points, visits, results, verdicts, due dates, stored analyses, the firm's profile and the issued reports, words found through its full-text index (FTS5), its CSV and JSON"
  "attach|tv_attach|files attached to the archive and the firm's logo checked by their first bytes and decoded, their thumbnails, a photo's EXIF date and GPS position (libexif)"
  "import|tv_import|readings of other testers' CSV files and .xlsx workbooks (libzip, Qt's XML reader) mapped column by column into typed results, each once, in one unit of work, with the mappings remembered by header row"
  "stored|tv_stored|what the archive keeps as the analyses take it: a soil model's layers (with what is known of their values, for the grid's verdicts) and a grid assessment's design"
  "pg|tv_pg|the team server's client over libpq: timeouts, TLS, parameterised statements, errors classed by SQLSTATE"
  "team|tv_team|the team server's schema as versioned SQL (`team init`, `team upgrade`), roles, members, status"
  "sync|tv_sync|the team sync: outbox pushed in batches, change log pulled in pages, fields merged by stamp, conflicts, the firm's profile, report numbers from the server, attachments and issued reports in pieces"
  "link|tv_link|serial control, port discovery and watch, the instrument session (read-out, clock, erase)"
  "sim|tv_sim terrovane-sim|the simulated instrument on a pseudo-terminal"
  "doctor|tv_doctor|why no instrument is found (driver, USB device, brltty, rules, access, holders), as codes"
  "texts|tv_texts|the one boundary from the domain's codes to what a person reads (tr, plurals)"
  "printsvc/sitereport|tv_sitereport|the site report and the certificates: the firm, points, results with their method, limits, verdicts, photos, stored analyses and signatures drawn into a PDF/A"
  "ui/filedialog|tv_filedialog|the file dialogs' set-up: file types and icons judged by name only"
  "ui/keyboard|tv_keyboard|keyboard use shared by the windows: focus frames, Escape closing a window, the one way to type and show a number (the locale's separator, never a group separator)"
  "ui/help|tv_help|the user guide inside the programs: F1 opens it at the page of the window"
  "ui/progress|tv_progress|the progress window"
  "ui/clock|tv_clock|the clock dialog"
  "ui/menu|tv_menu|the owner-drawn menu"
  "ui/panel|tv_panel|the simulated instrument display"
  "ui/panel/tools|panel-preview|a preview program of the display"
  "ui/engineering|tv_engineering|soil model, fall-of-potential and grid safety windows"
  "ui/engineering/tools|tv_engineering_samples terrovane-engineering-shots|the engineering windows over sample data, and their screenshots"
  "ui/history|tv_history|the archive window (its search field and undo), label dialog, visits and their dialog, trend chart, the site report's print preview, the firm's dialog, issuing and the issued reports"
  "ui/history/tools|tv_history_samples terrovane-history-shots|the archive windows over sample data, and their screenshots"
  "ui/team|tv_teamui|File › Team..., syncs off the window's thread, the password in the secret store, conflicts"
  "ui/team/tools|tv_team_samples terrovane-team-shots|the team windows over sample data, and their screenshots"
  "printsvc/form|tv_form|the print-form engine"
  "printsvc/handoff|tv_handoff|`data.inf` and `set.inf`"
  "printsvc/report|tv_report|report cells, pages and PDF"
  "printsvc/dialog|tv_infodlg|the report information dialog"
  "printsvc/app|tv_rapstel rapstel|the print service"
  "printsvc/tools|tv_printsvc_samples|the print service's windows over sample data"
  "app/dialog|tv_dialog|main dialog, about box, Save, Print, History and Team commands, archiving"
  "app/main|Terrovane|the application object"
  "app/tools|tv_window_samples terrovane-dialog-shots terrovane-window-shots|every window of both programs over sample data (joining the tools' lists), and their screenshots"
  "packaging|terrovane-icons|install rules, Debian package, desktop entries, metadata, udev rule, manual pages"
  "cli|terrovane-cli|the command line")
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

# The entry of one folder: its targets (a list) and what it holds.
function(entry_of folder targets_out what_out)
  set(${targets_out} "<none>" PARENT_SCOPE)
  foreach(entry IN LISTS folder_entries)
    string(REGEX MATCH "^([^|]+)\\|([^|]+)\\|(.*)$" matched "${entry}")
    if(CMAKE_MATCH_1 STREQUAL folder)
      string(REPLACE " " ";" targets "${CMAKE_MATCH_2}")
      set(${targets_out} "${targets}" PARENT_SCOPE)
      set(${what_out} "${CMAKE_MATCH_3}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# A list as the table writes it: each item in backticks, or a word when there is none.
function(quoted_list items none out)
  set(quoted)
  foreach(item IN LISTS items)
    list(APPEND quoted "`${item}`")
  endforeach()
  list(JOIN quoted ", " text)
  if(text STREQUAL "")
    set(text "${none}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The markdown table of every folder, lowest layer first.
function(layer_table out)
  set(table "| Folder | Targets | What | May use | Qt |\n|---|---|---|---|---|\n")
  foreach(rule IN LISTS rules)
    string(REGEX MATCH "^([^:]+):" matched "${rule}")
    set(folder "${CMAKE_MATCH_1}")
    entry_of("${folder}" targets what)
    if(targets STREQUAL "<none>")
      message(FATAL_ERROR "the folder ${folder} has a rule but no entry in folder_entries")
    endif()
    rule_of(rules "${folder}" uses)
    rule_of(qt_rules "${folder}" qt)
    if(qt STREQUAL "<none>")
      set(qt "")
    endif()
    quoted_list("${targets}" "" targets_text)
    quoted_list("${uses}" "nothing" uses_text)
    quoted_list("${qt}" "none" qt_text)
    string(APPEND table "| `${folder}` | ${targets_text} | ${what} | ${uses_text} | ${qt_text} |\n")
  endforeach()
  set(${out} "${table}" PARENT_SCOPE)
endfunction()

set(table_begin "<!-- layer table: made by cmake/CheckLayers.cmake (scripts/layer-table.sh); do not edit -->")
set(table_end "<!-- end of layer table -->")

# The file's text before, inside and after the marker lines.
function(split_doc file before_out inside_out after_out)
  file(READ "${file}" text)
  string(FIND "${text}" "${table_begin}\n" begin)
  string(FIND "${text}" "${table_end}" end)
  if(begin EQUAL -1 OR end EQUAL -1 OR end LESS begin)
    message(FATAL_ERROR "${file} has no layer table between the lines\n${table_begin}\n${table_end}")
  endif()
  string(LENGTH "${table_begin}\n" marker_length)
  math(EXPR inside_begin "${begin} + ${marker_length}")
  math(EXPR inside_length "${end} - ${inside_begin}")
  string(SUBSTRING "${text}" 0 ${inside_begin} before)
  string(SUBSTRING "${text}" ${inside_begin} ${inside_length} inside)
  string(SUBSTRING "${text}" ${end} -1 after)
  set(${before_out} "${before}" PARENT_SCOPE)
  set(${inside_out} "${inside}" PARENT_SCOPE)
  set(${after_out} "${after}" PARENT_SCOPE)
endfunction()

if(DEFINED CHECK_DOC)
  layer_table(table)
  split_doc("${CHECK_DOC}" before inside after)
  if(NOT inside STREQUAL table)
    message(FATAL_ERROR "the layer table in ${CHECK_DOC} is not the one cmake/CheckLayers.cmake makes: "
                        "run scripts/layer-table.sh")
  endif()
  return()
endif()
if(DEFINED WRITE_DOC)
  layer_table(table)
  split_doc("${WRITE_DOC}" before inside after)
  # Written whole, then moved over the old file.
  file(WRITE "${WRITE_DOC}.new" "${before}${table}${after}")
  file(RENAME "${WRITE_DOC}.new" "${WRITE_DOC}")
  return()
endif()

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
  entry_of("${folder}" named what)
  if(NOT top AND NOT target MATCHES "_resources_" AND NOT target IN_LIST named)
    list(APPEND faults "${target} (${folder}): not named in its folder's entry (folder_entries)")
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
