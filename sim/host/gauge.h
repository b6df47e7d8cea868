// One gauge of the module as the host created it: its header, what its
// elements show, and its mouse table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "sdk/gauges.h"

namespace sim {

class Panel;

// What a person sees of one element after the last update.
struct ElementView {
  int index = 0;  // position in the chain, 0 = first
  ELEMENT_TYPE_ENUM type = ELEMENT_TYPE_STATIC_IMAGE;
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;  // cut to the element's capacity; Windows-1252 bytes
  bool hidden = false;
  COLORREF color = 0;
  std::uint32_t align = 0;
  int image = 0;  // bitmap id drawn (static image, icon)
  ELEMENT_HEADER* record = nullptr;
};

struct TooltipView {
  bool found = false;
  std::string text;  // the tooltip row's text, read now
  std::int32_t helpId = 0;
};

enum class MouseButton { kLeft, kRight };

class Gauge {
 public:
  Gauge(Panel& panel, GAUGEHDR* header, std::string parameters, std::int32_t window);
  ~Gauge();
  Gauge(const Gauge&) = delete;
  Gauge& operator=(const Gauge&) = delete;

  const std::string& Name() const { return name_; }
  GAUGEHDR* Header() const { return header_; }
  std::int32_t Window() const { return window_; }

  // The element chain as shown now, in chain order.
  std::vector<ElementView> Elements() const;

  // A click at a gauge pixel: goes to the child row that contains the point
  // and accepts the event; true when a handler was called.
  bool Click(int x, int y, MouseButton button);
  // Holds the left button for `frames` frames: the row repeats if it accepts
  // repeats. The panel runs the frames.
  void Press(int x, int y);
  void Release();
  TooltipView Tooltip(int x, int y) const;
  // The child row's cursor at a point (CURSOR_NONE when none).
  std::int32_t CursorAt(int x, int y) const;

  // Host services for this gauge's elements.
  void InstallElements(ELEMENT_HEADER* first);
  void UpdateElements(ELEMENT_HEADER* first);
  void UseColor(ELEMENT_HEADER* element, COLORREF color);

  // Gauge routines and callback, as the panel calls them.
  void CallGaugeCallback(SINT32 service);
  void Create();
  void ConnectToWindow();
  void UpdateFrame();
  void DrawFrame();
  void RepeatFrame();

  static constexpr int kRepeatDelayFrames = 9;
  static constexpr int kRepeatIntervalFrames = 3;

 private:
  struct HostElement {
    std::vector<char> buffer;
    std::optional<COLORREF> color;
  };
  struct MouseNode {
    PIXBOX box{};
    std::int32_t helpId = 0;
    const char* tooltip = nullptr;
    bool hasTooltip = false;
    std::vector<const MOUSERECT*> children;
    std::vector<int> nested;  // indexes of nested parents
    int depth = 0;
  };
  void ShowIcon(ELEMENT_ICON& icon, double value);
  void ParseMouseTable();
  const MOUSERECT* ChildAt(int x, int y) const;
  bool Contains(const PIXBOX& box, int x, int y) const;
  std::vector<ELEMENT_HEADER*> Chain(ELEMENT_HEADER* first) const;

  Panel& panel_;
  GAUGEHDR* header_;
  std::string name_;
  std::string parameters_;
  std::int32_t window_;
  std::vector<ELEMENT_HEADER*> chain_;
  std::unordered_map<const ELEMENT_HEADER*, HostElement> hostElements_;
  std::vector<MouseNode> mouseNodes_;
  const MOUSERECT* held_ = nullptr;
  int heldFrames_ = 0;
  PIXPOINT heldPoint_{};
};

}  // namespace sim
