// Marks a piece of work as under way for as long as a guard lives, so that the same
// work asked for again from inside it is refused, and so that the mark is released on
// every way out, an exception caught at an export's barrier included.
#pragma once

class ReentryGuard {
 public:
  // Takes the mark when it is free; `Entered()` says whether this guard holds it.
  explicit ReentryGuard(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
  ~ReentryGuard() {
    if (entered_) busy_ = false;
  }
  ReentryGuard(const ReentryGuard&) = delete;
  ReentryGuard& operator=(const ReentryGuard&) = delete;

  bool Entered() const { return entered_; }

 private:
  bool& busy_;
  const bool entered_;
};
