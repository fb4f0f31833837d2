// An owning doubly linked queue and its read-only cursor.
#ifndef VYN_FOUNDATIONS_QUEUE_H_
#define VYN_FOUNDATIONS_QUEUE_H_

#include <cstdint>
#include <utility>

#include "foundations/base.h"

namespace vyn {

// One node of a Queue; owns its item.
template <class T>
class TContainerItem : public base {
 public:
  explicit TContainerItem(T* it) : item(it) {}
  TContainerItem(const TContainerItem&) = delete;
  TContainerItem& operator=(const TContainerItem&) = delete;
  ~TContainerItem() override { delete item; }

  TContainerItem* next = nullptr;
  TContainerItem* prev = nullptr;
  T* item;
};

// Owns its items. Copying clones every item through its virtual clone(),
// which must return a new object that the copy owns.
template <class T>
class Queue : public base {
 public:
  Queue() = default;
  Queue(const Queue& other) { append_clones(other); }
  Queue& operator=(const Queue& other) {
    if (this != &other) {
      Queue copy(other);
      swap(copy);
    }
    return *this;
  }
  Queue(Queue&& other) noexcept { swap(other); }
  Queue& operator=(Queue&& other) noexcept {
    if (this != &other) {
      clear();
      swap(other);
    }
    return *this;
  }
  ~Queue() override { clear(); }

  // Links item at the tail and takes ownership.
  void append(T* item) {
    auto* node = new TContainerItem<T>(item);
    node->prev = tail;
    if (tail) tail->next = node; else head = node;
    tail = node;
    ++count;
  }

  bool is_empty() const { return count == 0; }

  // Deletes the items from the head on.
  void clear() {
    while (head) {
      TContainerItem<T>* node = head;
      head = node->next;
      delete node;
    }
    tail = nullptr;
    count = 0;
  }

  void swap(Queue& other) noexcept {
    std::swap(count, other.count);
    std::swap(head, other.head);
    std::swap(tail, other.tail);
  }

  // Appends clones of other's items, in order.
  void append_clones(const Queue& other) {
    for (auto* n = other.head; n; n = n->next) {
      append(static_cast<T*>(n->item->clone()));
    }
  }

  int32_t count = 0;
  TContainerItem<T>* head = nullptr;
  TContainerItem<T>* tail = nullptr;
};

// A read-only cursor over a Queue. It starts on the head; next() steps to
// the following node. A cursor made on an empty queue (that has items by
// the time it moves) steps onto the head with its first next().
template <class T>
class QueueCIter : public base {
 public:
  explicit QueueCIter(const Queue<T>* q)
      : queue(q), current(q ? q->head : nullptr), at_end(current == nullptr) {}

  // Moves on; false (and at_end set) when there is no further node.
  bool next() {
    TContainerItem<T>* following =
        current ? current->next : (queue ? queue->head : nullptr);
    if (!following) {
      at_end = true;
      return false;
    }
    current = following;
    at_end = false;
    return true;
  }

  T* item() const { return current ? current->item : nullptr; }

  const Queue<T>* queue;
  TContainerItem<T>* current;
  bool at_end;
};

}  // namespace vyn

#endif  // VYN_FOUNDATIONS_QUEUE_H_
