#include "sim/host/gauge.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "sim/host/heap_counter.h"
#include "sim/host/panel.h"

namespace sim {

Gauge::Gauge(Panel& panel, GAUGEHDR* header, std::string parameters, std::int32_t window)
    : panel_(panel),
      header_(header),
      name_(header->gauge_name),
      parameters_(std::move(parameters)),
      window_(window) {
  ParseMouseTable();
}

Gauge::~Gauge() {
  // The host's text buffers go away with the gauge: the records must not
  // keep pointing at them.
  for (ELEMENT_HEADER* element : chain_) {
    panel_.ReleaseOwner(element, this);
    if (element->element_type == ELEMENT_TYPE_STRING) {
      reinterpret_cast<ELEMENT_STRING*>(element)->string = nullptr;
    }
  }
}

std::vector<ELEMENT_HEADER*> Gauge::Chain(ELEMENT_HEADER* first) const {
  std::vector<ELEMENT_HEADER*> chain;
  for (ELEMENT_HEADER* element = first; element != nullptr;) {
    if (chain.size() > 10000) throw std::runtime_error("element chain does not end");
    chain.push_back(element);
    element = element->next_element != nullptr ? element->next_element[0] : nullptr;
  }
  return chain;
}

void Gauge::CallGaugeCallback(SINT32 service) {
  if (header_->gauge_callback == nullptr) return;
  ModuleCall call;
  header_->gauge_callback(header_, service, 0);
}

void Gauge::Create() {
  header_->parameters = parameters_.c_str();
  auto routine = [this](SINT32 pre, auto&& call) {
    CallGaugeCallback(pre);
    {
      ModuleCall module;
      call();
    }
    CallGaugeCallback(pre + 1);
  };
  routine(PANEL_SERVICE_PRE_QUERY, [&] { header_->query_routine(); });
  routine(PANEL_SERVICE_PRE_INSTALL, [&] { header_->install_routine(panel_.Library().Handle()); });
  routine(PANEL_SERVICE_PRE_INITIALIZE, [&] { header_->initialize_routine(); });
}

void Gauge::ConnectToWindow() { CallGaugeCallback(PANEL_SERVICE_CONNECT_TO_WINDOW); }

void Gauge::UpdateFrame() {
  header_->parameters = parameters_.c_str();
  CallGaugeCallback(PANEL_SERVICE_PRE_UPDATE);
  {
    ModuleCall call;
    header_->update_routine();
  }
  CallGaugeCallback(PANEL_SERVICE_POST_UPDATE);
}

void Gauge::DrawFrame() {
  CallGaugeCallback(PANEL_SERVICE_PRE_DRAW);
  {
    ModuleCall call;
    header_->draw_routine();
  }
  CallGaugeCallback(PANEL_SERVICE_POST_DRAW);
}

void Gauge::InstallElements(ELEMENT_HEADER* first) {
  for (ELEMENT_HEADER* element : chain_) panel_.ReleaseOwner(element, this);
  chain_ = Chain(first);
  for (ELEMENT_HEADER* element : chain_) {
    panel_.SetOwner(element, this);
    if (element->element_type != ELEMENT_TYPE_STRING) continue;
    auto* string = reinterpret_cast<ELEMENT_STRING*>(element);
    HostElement& host = hostElements_[element];
    host.buffer.assign(static_cast<std::size_t>(string->max_string_length) + 1, '\0');
    string->string = host.buffer.data();
  }
}

void Gauge::UpdateElements(ELEMENT_HEADER* first) {
  if (chain_.empty() || chain_.front() != first) InstallElements(first);
  for (ELEMENT_HEADER* element : chain_) {
    if (element->element_type == ELEMENT_TYPE_STRING) {
      auto* string = reinterpret_cast<ELEMENT_STRING*>(element);
      if (string->update_cb != nullptr) {
        ModuleCall call;
        string->update_cb(string);
      }
    } else if (element->element_type == ELEMENT_TYPE_ICON) {
      auto* icon = reinterpret_cast<ELEMENT_ICON*>(element);
      double value = 0.0;
      if (icon->update_cb != nullptr) {
        ModuleCall call;
        value = icon->update_cb(icon);
      }
      ShowIcon(*icon, value);
    }
  }
}

// The callback's value, scaled and offset, names the icon to show: at once
// for the "set" switch types, one icon a frame for the "step to" ones. A value
// beyond the icons shows the first.
void Gauge::ShowIcon(ELEMENT_ICON& icon, double value) {
  const double scaled = value * icon.scale + icon.offset;
  int target = 0;
  if (std::isfinite(scaled) && scaled >= 0.0 && scaled < icon.num_icons) {
    target = static_cast<int>(scaled);
  }
  icon.dst_icon = target;
  const bool steps = icon.switch_type == ICON_SWITCH_TYPE_STEP_TO ||
                     icon.switch_type == ICON_SWITCH_TYPE_STEP_TO_USING_RANGE;
  if (!steps || icon.cur_icon < 0 || icon.cur_icon >= icon.num_icons) {
    icon.cur_icon = target;
  } else if (icon.cur_icon < target) {
    ++icon.cur_icon;
  } else if (icon.cur_icon > target) {
    --icon.cur_icon;
  }
}

void Gauge::UseColor(ELEMENT_HEADER* element, COLORREF color) {
  hostElements_[element].color = color;
}

std::vector<ElementView> Gauge::Elements() const {
  std::vector<ElementView> views;
  int index = 0;
  for (ELEMENT_HEADER* element : chain_) {
    ElementView view;
    view.index = index++;
    view.type = element->element_type;
    view.x = element->position.x;
    view.y = element->position.y;
    view.hidden = (element->image_flags & IMAGE_HIDDEN) != 0;
    view.record = element;
    view.image = element->resource_id;
    if (element->element_type == ELEMENT_TYPE_STRING) {
      const auto* string = reinterpret_cast<const ELEMENT_STRING*>(element);
      view.width = string->img_size.x;
      view.height = string->img_size.y;
      view.align = string->draw_text_flags;
      const auto host = hostElements_.find(element);
      view.color = string->fg_color;
      if (host != hostElements_.end()) {
        if (host->second.color) view.color = *host->second.color;
        const std::vector<char>& buffer = host->second.buffer;
        view.text.assign(buffer.data(), strnlen(buffer.data(), string->max_string_length));
      }
    } else if (element->element_type == ELEMENT_TYPE_ICON) {
      const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(element);
      view.image = element->resource_id + icon->cur_icon;
    }
    views.push_back(std::move(view));
  }
  return views;
}

// ---------------------------------------------------------------------------
// Mouse.

void Gauge::ParseMouseTable() {
  mouseNodes_.clear();
  if (header_->mouse_rect == nullptr) return;
  std::vector<int> open;
  for (const MOUSERECT* row = header_->mouse_rect;; ++row) {
    if (row->rect_type == MOUSE_RECT_EOL) break;
    switch (row->rect_type) {
      case MOUSE_RECT_PARENT: {
        MouseNode node;
        node.box = row->relative_box;
        node.helpId = row->help_id;
        node.depth = static_cast<int>(open.size());
        mouseNodes_.push_back(node);
        const int index = static_cast<int>(mouseNodes_.size()) - 1;
        if (!open.empty())
          mouseNodes_[static_cast<std::size_t>(open.back())].nested.push_back(index);
        open.push_back(index);
        break;
      }
      case MOUSE_RECT_USER:
        if (!open.empty()) {
          MouseNode& node = mouseNodes_[static_cast<std::size_t>(open.back())];
          node.tooltip = row->tooltip_text;
          node.hasTooltip = true;
        }
        break;
      case MOUSE_RECT_CHILD:
        if (!open.empty())
          mouseNodes_[static_cast<std::size_t>(open.back())].children.push_back(row);
        break;
      case MOUSE_RECT_END_PARENT:
        if (open.empty()) throw std::runtime_error("mouse table closes a parent it did not open");
        open.pop_back();
        break;
      default:
        throw std::runtime_error("mouse table row of unknown type");
    }
  }
  if (!open.empty()) throw std::runtime_error("mouse table leaves a parent open");
}

bool Gauge::Contains(const PIXBOX& box, int x, int y) const {
  if (box.width == 0 && box.height == 0 && box.x == 0 && box.y == 0) return true;  // whole gauge
  return x >= box.x && x < box.x + box.width && y >= box.y && y < box.y + box.height;
}

const MOUSERECT* Gauge::ChildAt(int x, int y) const {
  for (const MouseNode& node : mouseNodes_) {
    if (!Contains(node.box, x, y)) continue;
    for (const MOUSERECT* child : node.children) {
      if (Contains(child->relative_box, x, y)) return child;
    }
  }
  return nullptr;
}

bool Gauge::Click(int x, int y, MouseButton button) {
  const MOUSERECT* child = ChildAt(x, y);
  const FLAGS32 event = button == MouseButton::kLeft ? MOUSE_LEFTSINGLE : MOUSE_RIGHTSINGLE;
  if (child == nullptr || (child->mouse_flags & event) == 0 || child->mouse_function == nullptr) {
    return false;
  }
  PIXPOINT point{x - child->relative_box.x, y - child->relative_box.y};
  ModuleCall call;
  child->mouse_function(&point, event);
  return true;
}

void Gauge::Press(int x, int y) {
  Click(x, y, MouseButton::kLeft);
  const MOUSERECT* child = ChildAt(x, y);
  held_ = child != nullptr && (child->mouse_flags & MOUSE_DOWN_REPEAT) != 0 ? child : nullptr;
  heldFrames_ = 0;
  heldPoint_ = {x, y};
}

void Gauge::Release() { held_ = nullptr; }

void Gauge::RepeatFrame() {
  if (held_ == nullptr) return;
  ++heldFrames_;
  if (heldFrames_ < kRepeatDelayFrames) return;
  if ((heldFrames_ - kRepeatDelayFrames) % kRepeatIntervalFrames != 0) return;
  PIXPOINT point{heldPoint_.x - held_->relative_box.x, heldPoint_.y - held_->relative_box.y};
  ModuleCall call;
  held_->mouse_function(&point, MOUSE_LEFTSINGLE | MOUSE_DOWN_REPEAT);
}

TooltipView Gauge::Tooltip(int x, int y) const {
  const MouseNode* innermost = nullptr;
  for (const MouseNode& node : mouseNodes_) {
    if (Contains(node.box, x, y) && (innermost == nullptr || node.depth > innermost->depth)) {
      innermost = &node;
    }
  }
  TooltipView view;
  if (innermost == nullptr) return view;
  view.found = true;
  view.helpId = innermost->helpId;
  if (innermost->hasTooltip && innermost->tooltip != nullptr) view.text = innermost->tooltip;
  return view;
}

std::int32_t Gauge::CursorAt(int x, int y) const {
  const MOUSERECT* child = ChildAt(x, y);
  return child == nullptr ? CURSOR_NONE : child->cursor;
}

}  // namespace sim
