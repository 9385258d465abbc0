# One INTERFACE target carries the language level, warnings and Qt defines for every target,
# so no folder repeats them.
set(CMAKE_AUTOMOC ON)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

add_library(rv_common INTERFACE)
target_compile_features(rv_common INTERFACE cxx_std_20)
target_compile_options(rv_common INTERFACE -Wall -Wextra)
target_compile_definitions(rv_common INTERFACE
  QT_NO_FOREACH
  QT_NO_KEYWORDS
  QT_DISABLE_DEPRECATED_BEFORE=0x060400
  RIDEVAULT_VERSION_MAJOR=${PROJECT_VERSION_MAJOR}
  RIDEVAULT_VERSION_MINOR=${PROJECT_VERSION_MINOR}
  RIDEVAULT_VERSION_PATCH=${PROJECT_VERSION_PATCH})
if(RIDEVAULT_STDLIB_ASSERTIONS)
  target_compile_definitions(rv_common INTERFACE _GLIBCXX_ASSERTIONS)
endif()

# rv_core_library(NAME SOURCES...): a static library of the QtCore-only core.
function(rv_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC rv_common Qt6::Core)
endfunction()

# rv_widget_library(NAME SOURCES...): a static library of widgets.
function(rv_widget_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC rv_common Qt6::Core Qt6::Gui Qt6::Widgets)
endfunction()
