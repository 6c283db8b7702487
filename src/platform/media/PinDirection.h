#pragma once

enum PIN_DIRECTION {
  PINDIR_INPUT = 0,
  PINDIR_OUTPUT = 1,
};
