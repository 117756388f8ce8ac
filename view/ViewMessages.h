#pragma once
// Private messages of the testing view, sent by its panels. Their numbers
// equal the Russian command ids of the same actions; the result is 0.
// VM_READY from a panel carries the typed answer: wParam is
// kTypedAnswerAttached and lParam points to a TypedAnswer that lives until
// SendMessage returns. With any other wParam (another program's message, as
// the numbers are open to all) the parameters mean nothing and the view
// reads the fields itself, as for the command.
#include <windows.h>

constexpr UINT VM_READY = 0x800C; // 32780
constexpr UINT VM_SKIP = 0x8021;  // 32801
constexpr UINT VM_STOP = 0x8005;  // 32773

constexpr WPARAM kTypedAnswerAttached = 0x7941;
