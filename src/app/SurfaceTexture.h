#pragma once

// The four textures of the book's surfaces, each with its path setting.
enum class SurfaceTexture { Background = 0, Cover = 1, Paper = 2, TransparentPaper = 3 };

inline constexpr int kSurfaceTextureCount = 4;
