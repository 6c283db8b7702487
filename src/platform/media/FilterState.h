#pragma once

enum FILTER_STATE {
  State_Stopped = 0,
  State_Paused = 1,
  State_Running = 2,
};
