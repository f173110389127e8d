# Helpers shared by every folder: one library per subsystem, tests with labels,
# and a configure-time check that nothing below the shell links Qt Widgets.

set(MORVANE_DISPLAY_FREE_TARGETS "" CACHE INTERNAL "")

# morvane_library(<name> SOURCES ... [DEPENDS ...] [GUI])
# A library without GUI is display-free: it may not link Qt6::Widgets.
function(morvane_library name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPENDS" ${ARGN})
  if(ARG_SOURCES)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
  if(NOT ARG_GUI)
    set(MORVANE_DISPLAY_FREE_TARGETS ${MORVANE_DISPLAY_FREE_TARGETS} ${name} CACHE INTERNAL "")
  endif()
endfunction()

# morvane_test(<name> SOURCES ... DEPENDS ... [GUI])
# GUI tests run on the offscreen platform and carry the label "gui"; the others "unit".
function(morvane_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE MORVANE_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_GUI)
    set_tests_properties(${name} PROPERTIES LABELS gui TIMEOUT 120
                         ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  else()
    set_tests_properties(${name} PROPERTIES LABELS unit TIMEOUT 300)
  endif()
endfunction()

# morvane_offscreen_screen(<var> <WxH>[+X+Y] [<WxH>[+X+Y] ...])
# The environment that runs a test on the offscreen platform with screens of those sizes
# (pixels at 96 dots per inch), the first the primary one. A screen without a place stands
# right of the one before it with its top at 0 (side by side from left to right); +X+Y puts
# its top left there (one above the other: 1920x1080 1366x768+0+1080). Their configuration
# is written into the calling build folder (screen_WxH.json for one screen,
# screens_WxH_WxH.json for more); Qt's offscreen platform reads a screen's name, x, y,
# width, height, logicalDpi, logicalBaseDpi and dpr.
function(morvane_offscreen_screen var)
  set(entries "")
  set(x 0)
  foreach(screen IN LISTS ARGN)
    if(NOT screen MATCHES "^([0-9]+)x([0-9]+)(([+-][0-9]+)([+-][0-9]+))?$")
      message(FATAL_ERROR "morvane_offscreen_screen: '${screen}' is no WxH or WxH+X+Y")
    endif()
    set(width ${CMAKE_MATCH_1})
    set(height ${CMAKE_MATCH_2})
    set(left ${x})
    set(top 0)
    if(CMAKE_MATCH_3)
      math(EXPR left "0${CMAKE_MATCH_4}")
      math(EXPR top "0${CMAKE_MATCH_5}")
    endif()
    list(LENGTH entries index)
    string(CONCAT entry "{ \"name\": \"screen${index}\", \"x\": ${left}, \"y\": ${top}, "
      "\"width\": ${width}, \"height\": ${height}, \"logicalDpi\": 96, "
      "\"logicalBaseDpi\": 96, \"dpr\": 1 }")
    list(APPEND entries "${entry}")
    math(EXPR x "${left} + ${width}")
  endforeach()
  list(LENGTH entries count)
  list(JOIN ARGN "_" sizes)
  if(count EQUAL 1)
    set(config "${CMAKE_CURRENT_BINARY_DIR}/screen_${sizes}.json")
  else()
    set(config "${CMAKE_CURRENT_BINARY_DIR}/screens_${sizes}.json")
  endif()
  list(JOIN entries ",\n    " screens)
  file(WRITE ${config} "{ \"screens\": [\n    ${screens} ] }\n")
  set(${var} "QT_QPA_PLATFORM=offscreen:configfile=${config}" PARENT_SCOPE)
endfunction()

# Fails the configuration when a display-free library links Qt Widgets, directly or
# through another target.
function(_morvane_links_widgets target result)
  set(found OFF)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(libs ${target} LINK_LIBRARIES)
  endif()
  if(libs)
    foreach(lib IN LISTS libs)
      if(lib MATCHES "Widgets|PrintSupport")
        set(found ON)
      elseif(TARGET ${lib} AND NOT lib MATCHES "^Qt6::")
        _morvane_links_widgets(${lib} sub)
        if(sub)
          set(found ON)
        endif()
      endif()
    endforeach()
  endif()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

function(morvane_check_layering)
  foreach(target IN LISTS MORVANE_DISPLAY_FREE_TARGETS)
    _morvane_links_widgets(${target} bad)
    if(bad)
      message(FATAL_ERROR "${target} is display-free but links Qt Widgets")
    endif()
  endforeach()
endfunction()
