// Our Dear ImGui configuration: a shared library with an explicit API, and the
// item hooks that let tests find widgets.
#pragma once

#if defined(_WIN32)
#  if defined(IMGUI_VESK_BUILDING)
#    define IMGUI_API __declspec(dllexport)
#  else
#    define IMGUI_API __declspec(dllimport)
#  endif
#else
#  define IMGUI_API __attribute__((visibility("default")))
#endif

#define IMGUI_ENABLE_TEST_ENGINE
