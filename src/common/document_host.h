// The main window's services for the graph dialogs, the commands and the loader: the graph
// list, the redraw, the playback controls and the animation option fields. The main window
// implements it; the lower layers get it passed down and tests fake it.
#pragma once

#include <string>
#include <utility>

namespace curvanta {

class DocumentHost {
 public:
  virtual ~DocumentHost() = default;
  // The graph list's current line, -1 when there is none.
  virtual int currentLine() const = 0;
  virtual int lineCount() const = 0;
  virtual bool isLineChecked(int line) const = 0;
  // Appends an unchecked line.
  virtual void appendLine(const std::string& text) = 0;
  // A line's text (empty outside the list).
  virtual std::string lineText(int line) const {
    (void)line;
    return {};
  }
  // Replaces a line's text; never changes which graphs are shown.
  virtual void setLineText(int line, const std::string& text) = 0;
  // Checks a line and brings the shown scene in line with the check boxes at once
  // (rebuild and redraw included).
  virtual void checkLine(int line) = 0;
  // Recompiles the display lists of the shown scene and draws the current frame.
  virtual void rebuildAndDisplay() = 0;
  // Repaints the main window without compiling anything.
  virtual void refresh() = 0;
  // Enables the eleven playback entries of the Animation menu and their buttons.
  virtual void enablePlayback() = 0;
  // The frame count and speed texts of the animation options.
  virtual std::pair<std::string, std::string> animOptionFields() = 0;
  virtual void setAnimOptionFields(const std::string& frames, const std::string& speed) = 0;
  // The animation timer's interval in milliseconds.
  virtual void setTimerInterval(int milliseconds) = 0;
};

}  // namespace curvanta
