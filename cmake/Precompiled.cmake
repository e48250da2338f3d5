# Precompiled headers per target. Most of a compile here is spent parsing the same standard, Qt and test
# framework headers again for every small source file; each target with a few sources parses them once
# instead. Which headers a target gets follows what it links: Qt's when it links Qt itself, or when it is a
# program that reaches Qt's windows through our libraries (the window tests); a library written without Qt
# that links one using Qt must not see Qt's macros (`slots`, `signals`, `emit`) in its own code.

set(terrovane_pch_standard
    <string> <string_view> <vector> <array> <map> <set> <optional> <memory> <functional> <algorithm>
    <utility> <cstdint> <cstddef> <cmath> <limits> <chrono> <filesystem> <fstream> <sstream>)
set(terrovane_pch_core <QCoreApplication> <QObject> <QString> <QStringList> <QTimer> <QLocale> <QFile>
    <QDir> <QSettings>)
set(terrovane_pch_gui <QColor> <QPainter> <QFont> <QAction>)
set(terrovane_pch_widgets <QApplication> <QWidget> <QDialog> <QLabel> <QPushButton> <QLineEdit> <QComboBox>
    <QVBoxLayout> <QHBoxLayout> <QGridLayout> <QHeaderView> <QMenu> <QDialogButtonBox> <QTableWidget>)
set(terrovane_pch_gtest <gtest/gtest.h>)
set(terrovane_pch_qtest <QTest>)

# A target compiled in fewer units than this gains less from a header of its own than making it costs:
# making one takes 3 to 8 processor seconds, and each unit that reads it saves 1 to 2.
set(terrovane_pch_min_units 4)

# What `target` links itself: the Qt modules as Qt6::X, the test framework as GTest::X.
function(terrovane_direct_frameworks target out)
  set(found)
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(values ${target} ${property})
    if(values)
      foreach(link IN LISTS values)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        if(link MATCHES "^(Qt6|GTest)::")
          list(APPEND found ${link})
        endif()
      endforeach()
    endif()
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Everything `target` links through our own libraries' links too, as Qt6::X and GTest::X.
function(terrovane_link_closure target out)
  set(seen)
  set(pending ${target})
  set(found)
  while(pending)
    list(POP_FRONT pending current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
      get_target_property(values ${current} ${property})
      if(NOT values)
        continue()
      endif()
      foreach(link IN LISTS values)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        string(REGEX REPLACE "::@\\(.*\\)$" "" link "${link}")
        if(link MATCHES "^(Qt6|GTest)::")
          list(APPEND found ${link})
        elseif(TARGET ${link})
          get_target_property(imported ${link} IMPORTED)
          if(NOT imported)
            list(APPEND pending ${link})
          endif()
        endif()
      endforeach()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# How many units the compiler is given for `target`: one a source, or one a batch in a unity build, and
# one more for the meta-object code of a target with automoc.
function(terrovane_compiled_units target out)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH sources count)
  if(CMAKE_UNITY_BUILD AND CMAKE_UNITY_BUILD_BATCH_SIZE GREATER 0)
    math(EXPR count "(${count} + ${CMAKE_UNITY_BUILD_BATCH_SIZE} - 1) / ${CMAKE_UNITY_BUILD_BATCH_SIZE}")
  endif()
  get_target_property(automoc ${target} AUTOMOC)
  if(automoc)
    math(EXPR count "${count} + 1")
  endif()
  set(${out} ${count} PARENT_SCOPE)
endfunction()

function(terrovane_precompile_headers target)
  get_target_property(type ${target} TYPE)
  if(NOT type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
    return()
  endif()
  terrovane_compiled_units(${target} units)
  if(units LESS terrovane_pch_min_units)
    return()
  endif()
  terrovane_direct_frameworks(${target} links)
  if(type STREQUAL "EXECUTABLE")
    terrovane_link_closure(${target} reached)
    if("Qt6::Widgets" IN_LIST reached OR "Qt6::Gui" IN_LIST reached)
      list(APPEND links ${reached})
    endif()
  endif()
  set(headers ${terrovane_pch_standard})
  if("Qt6::Core" IN_LIST links OR "Qt6::Gui" IN_LIST links OR "Qt6::Widgets" IN_LIST links)
    list(APPEND headers ${terrovane_pch_core})
  endif()
  if("Qt6::Gui" IN_LIST links OR "Qt6::Widgets" IN_LIST links)
    list(APPEND headers ${terrovane_pch_gui})
  endif()
  if("Qt6::Widgets" IN_LIST links)
    list(APPEND headers ${terrovane_pch_widgets})
  endif()
  if("Qt6::Test" IN_LIST links)
    list(APPEND headers ${terrovane_pch_qtest})
  endif()
  if("GTest::gtest" IN_LIST links OR "GTest::gmock" IN_LIST links OR "GTest::gtest_main" IN_LIST links)
    list(APPEND headers ${terrovane_pch_gtest})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
  # GCC 12 forgets, for headers it reads precompiled, that they are system headers, and then reports its
  # own false alarms inside libstdc++ (char_traits.h: std::string's copies within its own buffer taken for
  # copies out of bounds) wherever a string is summed with a literal; the same file compiled without the
  # precompiled header reports nothing. Real out-of-bounds accesses are the sanitizer build's to find.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread
                                             -Wno-restrict)
  endif()
endfunction()

# Called once every folder is configured, so each target's links are known.
function(terrovane_precompile_all_headers)
  terrovane_collect_targets(${CMAKE_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    terrovane_precompile_headers(${target})
  endforeach()
endfunction()
