#include "framework/t_list_box.h"

#include <QCollator>
#include <QListWidget>
#include <QLocale>

#include "framework/detail/text.h"
#include "framework/detail/window_impl.h"

namespace framework {

namespace {

QListWidget* ListOf(const TWindow& w) {
  return qobject_cast<QListWidget*>(w.GetImpl().widget.data());
}

constexpr int kItemDataRole = Qt::UserRole;

// Changes the list makes by itself tell the parent nothing.
class Quiet {
 public:
  explicit Quiet(QListWidget* list) : list_(list) { list_->setProperty("framework_quiet", true); }
  ~Quiet() { list_->setProperty("framework_quiet", false); }

 private:
  QListWidget* list_;
};

const QCollator& SpanishCollator() {
  static const QCollator collator = [] {
    QCollator c(QLocale(QLocale::Spanish, QLocale::Spain));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator;
}

}  // namespace

TListBox::TListBox(TWindow* parent, int resourceId, const TModule* module)
    : TControl(parent, resourceId, module) {
  EnableTransfer();
}

bool TListBox::IsSorted() const {
  if (!IsWindow())
    return false;
  const auto styleBits = GetImpl().widget->property(detail::kControlStyleProperty).toUInt();
  return (styleBits & style::kSort) != 0;
}

int TListBox::AddString(std::string_view str) {
  QListWidget* list = ListOf(*this);
  if (list == nullptr)
    return -1;
  if (!IsSorted())
    return InsertString(str, -1);
  const QString text = detail::ToQt(str);
  const QCollator& collator = SpanishCollator();
  // After every line that does not sort after the new one, so equal lines
  // keep the order they came in.
  int position = list->count();
  for (int i = 0; i < list->count(); ++i) {
    if (collator.compare(text, list->item(i)->text()) < 0) {
      position = i;
      break;
    }
  }
  return InsertString(str, position);
}

int TListBox::InsertString(std::string_view str, int index) {
  QListWidget* list = ListOf(*this);
  if (list == nullptr)
    return -1;
  if (index < 0 || index > list->count())
    index = list->count();
  Quiet quiet(list);
  auto* item = new QListWidgetItem(detail::ToQt(str));
  item->setData(kItemDataRole, 0u);
  list->insertItem(index, item);
  return index;
}

int TListBox::DeleteString(int index) {
  QListWidget* list = ListOf(*this);
  if (list == nullptr || index < 0 || index >= list->count())
    return -1;
  Quiet quiet(list);
  delete list->takeItem(index);
  return list->count();
}

void TListBox::ClearList() {
  if (QListWidget* list = ListOf(*this)) {
    Quiet quiet(list);
    list->clear();
  }
}

int TListBox::GetCount() const {
  const QListWidget* list = ListOf(*this);
  return list != nullptr ? list->count() : 0;
}

std::string TListBox::GetString(int index) const {
  const QListWidget* list = ListOf(*this);
  if (list == nullptr || index < 0 || index >= list->count())
    return {};
  return detail::FromQt(list->item(index)->text());
}

int TListBox::GetStringLen(int index) const {
  const QListWidget* list = ListOf(*this);
  if (list == nullptr || index < 0 || index >= list->count())
    return -1;
  return static_cast<int>(GetString(index).size());
}

int TListBox::GetSelIndex() const {
  const QListWidget* list = ListOf(*this);
  if (list == nullptr)
    return -1;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

int TListBox::SetSelIndex(int index) {
  QListWidget* list = ListOf(*this);
  if (list == nullptr)
    return -1;
  Quiet quiet(list);
  if (index < 0 || index >= list->count()) {
    list->clearSelection();
    return -1;
  }
  list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  return index;
}

std::uint32_t TListBox::GetItemData(int index) const {
  const QListWidget* list = ListOf(*this);
  if (list == nullptr || index < 0 || index >= list->count())
    return 0;
  return list->item(index)->data(kItemDataRole).toUInt();
}

bool TListBox::SetItemData(int index, std::uint32_t itemData) {
  QListWidget* list = ListOf(*this);
  if (list == nullptr || index < 0 || index >= list->count())
    return false;
  list->item(index)->setData(kItemDataRole, itemData);
  return true;
}

std::size_t TListBox::Transfer(void* buffer, std::size_t size, TTransferDirection direction) {
  QListWidget* list = ListOf(*this);
  if (buffer == nullptr || size < sizeof(TPackedListBoxData))
    return 0;
  // A control without a window has nothing to give or show: its field stays.
  if (list == nullptr)
    return sizeof(TPackedListBoxData);
  TListBoxData& data = TPackedListBoxData::At(buffer);
  if (direction == tdGetData) {
    data.Clear();
    for (int i = 0; i < list->count(); ++i) {
      data.Strings.push_back(GetString(i));
      data.ItemDatas.push_back(GetItemData(i));
    }
    if (const int selected = GetSelIndex(); selected >= 0)
      data.SelIndices.push_back(selected);
  } else {
    ClearList();
    // The list may sort the lines as they come; follow the one the first
    // selected position names to wherever it lands. One selection only, so
    // later positions are not used.
    const int wanted = data.SelIndices.empty() ? -1 : data.SelIndices.front();
    QListWidgetItem* selectedItem = nullptr;
    for (std::size_t i = 0; i < data.Strings.size(); ++i) {
      const int at = AddString(data.Strings[i]);
      if (i < data.ItemDatas.size())
        SetItemData(at, data.ItemDatas[i]);
      if (static_cast<int>(i) == wanted)
        selectedItem = list->item(at);
    }
    SetSelIndex(selectedItem != nullptr ? list->row(selectedItem) : -1);
  }
  return sizeof(TPackedListBoxData);
}

}  // namespace framework
