#pragma once

class FLocale;
class MenuBar;
class Settings;

// Relabels the main menu from the interface texts and sets its check marks from the settings,
// and writes the recent folders into their items. A null menu (a window without one) is left alone.
void UpdateMenus(MenuBar* menu, const FLocale& locale, const Settings& settings);
