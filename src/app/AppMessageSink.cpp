#include "app/AppMessageSink.h"

#include "app/PhotoBookApp.h"

void AppMessageSink::ShowMessage(const std::u16string& text, Icon icon) { app_.ShowMessage(text, icon); }
