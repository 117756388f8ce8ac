#pragma once
// Private messages of the testing view, sent by its panels. Their numbers
// equal the Russian command ids of the same actions; wParam and lParam are
// not used and the result is 0.
#include <windows.h>

constexpr UINT VM_READY = 0x800C; // 32780
constexpr UINT VM_SKIP = 0x8021;  // 32801
constexpr UINT VM_STOP = 0x8005;  // 32773
