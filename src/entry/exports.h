// The five functions the host calls by ordinal. The .def file of each architecture
// fixes their exported names and ordinals.
#pragma once

#include <windows.h>

extern "C" {
INT_PTR CALLBACK AcqULVOConfigWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AcqULVOControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
int WINAPI AcqGCInlet(HWND owner);
INT_PTR CALLBACK AcqGCInletEditorWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AcqGCInletEventWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
}
