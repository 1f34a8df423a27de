#pragma once

namespace korvale {

// Polled by long loops so that the user can stop them by holding Escape.
class KeyState {
 public:
  virtual ~KeyState() = default;
  virtual bool escapeDown() = 0;
};

enum class CursorShape { Normal, Busy };

class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual void set(CursorShape shape) = 0;
};

// Shows the busy cursor for its lifetime.
class BusyCursor {
 public:
  explicit BusyCursor(Cursor& cursor) : cursor_(cursor) { cursor_.set(CursorShape::Busy); }
  ~BusyCursor() { cursor_.set(CursorShape::Normal); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Cursor& cursor_;
};

}  // namespace korvale
