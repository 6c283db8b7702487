#pragma once

// The virtual-key codes the application reacts to, with their Windows values, which the
// window layer translates the toolkit's keys into.
namespace VirtualKey {
inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Key1 = 0x31;  // 0x31 ... 0x34: keys 1 ... 4 of the main keyboard
inline constexpr int A = 0x41;
inline constexpr int B = 0x42;
inline constexpr int D = 0x44;
inline constexpr int S = 0x53;
inline constexpr int T = 0x54;
inline constexpr int W = 0x57;
inline constexpr int Numpad2 = 0x62;
inline constexpr int Numpad4 = 0x64;
inline constexpr int Numpad6 = 0x66;
inline constexpr int Numpad8 = 0x68;
inline constexpr int Add = 0x6B;       // numeric keypad +
inline constexpr int Subtract = 0x6D;  // numeric keypad -
inline constexpr int F1 = 0x70;        // 0x70 ... 0x7B: F1 ... F12
inline constexpr int F9 = 0x78;
inline constexpr int F10 = 0x79;
inline constexpr int F11 = 0x7A;
inline constexpr int F12 = 0x7B;
}  // namespace VirtualKey
