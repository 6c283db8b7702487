#pragma once

#include <functional>

#include "platform/gui/LibraryMessages.h"
#include "platform/gui/MessageSink.h"

class QWidget;

// Message boxes over Qt: user-level messages over the main window with the caption "Pagewing",
// and the framework's and the export's technical messages without an owner, caption "Oxbow".
// owner gives the main window at the moment of showing (nullptr: none). User-interface thread only.
class QtMessageBoxes : public MessageSink, public LibraryMessages {
 public:
  explicit QtMessageBoxes(std::function<QWidget*()> owner);

  void ShowMessage(const std::u16string& text, Icon icon) override;
  void ShowLibraryMessage(const std::u16string& text, bool isError) override;

 private:
  std::function<QWidget*()> owner_;
};
