#include "framework/response_table.h"

namespace framework {

const TResponseEntry* TResponseTable::Lookup(TEventKind kind, unsigned id, unsigned code) const {
  for (const TResponseEntry* e = entries_; e->dispatch != nullptr; ++e) {
    if (e->kind == kind && e->id == id && e->code == code)
      return e;
  }
  return nullptr;
}

std::size_t TResponseTable::Size() const {
  std::size_t n = 0;
  while (entries_[n].dispatch != nullptr)
    ++n;
  return n;
}

const TResponseEntry* TEventHandler::Find(TEventKind, unsigned, unsigned) const {
  return nullptr;
}

bool TEventHandler::Dispatch(TEventKind kind, unsigned id, const TEventArgs& args, TResult* result,
                             unsigned code) {
  const TResponseEntry* entry = Find(kind, id, code);
  if (entry == nullptr)
    return false;
  const TResult r = entry->dispatch(*this, args);
  if (result != nullptr)
    *result = r;
  return true;
}

}  // namespace framework
