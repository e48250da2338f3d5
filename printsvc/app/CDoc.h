#pragma once

namespace terrovane::printsvc {

// The service's document: it holds nothing, so creating one always succeeds and saving stores nothing.
class CDoc {
  public:
    bool OnNewDocument() { return true; }
};

}  // namespace terrovane::printsvc
