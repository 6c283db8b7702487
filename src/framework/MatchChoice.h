#pragma once

// What a selection does with one wanted setting.
enum class MatchChoice {
  // Use the framework's default instead.
  Ignore,
  // Only candidates that offer exactly the wanted value qualify.
  Keep,
  // Prefer the wanted value, else take the available value nearest to it.
  Closest,
};
