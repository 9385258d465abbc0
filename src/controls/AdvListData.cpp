#include "controls/AdvListData.h"

#include "platform/Twips.h"

#include <algorithm>
#include <utility>

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
}

AdvListData::AdvListData(double twipsPerPixelX)
    : m_twipsPerPixelX(twipsPerPixelX)
{
}

int AdvListData::ClampColumnPixels(int widthPixels)
{
    return std::clamp(widthPixels, kMinColumnPixels, kMaxColumnPixels);
}

int AdvListData::AddColumn(const QString& title, int alignment, int widthPixels)
{
    if (ColumnCount() >= kMaxColumns)
        return -1;
    m_columns.push_back({title, alignment, PixelsToTwips(ClampColumnPixels(widthPixels), m_twipsPerPixelX)});
    return ColumnCount() - 1;
}

bool AdvListData::ModifyColumn(int column, const QString& title, int alignment, int widthPixels)
{
    if (column < 0 || column >= ColumnCount())
        return false;
    m_columns[column] = {title, alignment, PixelsToTwips(ClampColumnPixels(widthPixels), m_twipsPerPixelX)};
    return true;
}

bool AdvListData::SetColumnWidthPixels(int column, int widthPixels)
{
    if (column < 0 || column >= ColumnCount())
        return false;
    m_columns[column].Width = PixelsToTwips(ClampColumnPixels(widthPixels), m_twipsPerPixelX);
    return true;
}

int AdvListData::ColumnWidth(int column) const
{
    return column >= 0 && column < ColumnCount() ? m_columns[column].Width : -1;
}

int AdvListData::ColumnWidthPixels(int column) const
{
    return TwipsToPixels(m_columns[column].Width, m_twipsPerPixelX);
}

int AdvListData::AddRow(const QString& captions)
{
    return AddSplitRow(SplitCaptions(captions));
}

QStringList AdvListData::SplitCaptions(const QString& captions) const
{
    QStringList row(kMaxColumns + 1);
    const int columns = ColumnCount();
    int start = 0;
    for (int c = 0; c < columns; ++c) {
        const int end = captions.indexOf(kLineBreak, start);
        row[c] = captions.mid(start, end < 0 ? -1 : end - start);
        if (end < 0)
            break;
        start = end + kLineBreak.size();
    }
    return row;
}

int AdvListData::AddSplitRow(const QStringList& cells)
{
    m_rows.push_back({cells, -1});
    if (m_rows.back().Cells.size() != kMaxColumns + 1)  // a resize would copy a shared row
        m_rows.back().Cells.resize(kMaxColumns + 1);
    m_selected.push_back(0);
    return RowCount() - 1;
}

void AdvListData::SetRowSource(const AdvListRowSource* source)
{
    ClearRows();
    m_source = source;
}

int AdvListData::AddSourceRow(qint32 item)
{
    if (!m_source || item < 0)
        return -1;
    m_rows.push_back({QStringList(), item});
    m_selected.push_back(0);
    return RowCount() - 1;
}

bool AdvListData::ModifyRow(int row, int column, const QString& text)
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return false;
    Row& r = m_rows[row];
    if (r.Item >= 0) {
        QStringList cells(kMaxColumns + 1);
        for (int c = 0; c < ColumnCount(); ++c)
            cells[c] = m_source->SourceCell(r.Item, c);
        r = {cells, -1};
    }
    r.Cells[column] = text;
    return true;
}

bool AdvListData::RemoveRow(int row)
{
    if (row < 0 || row >= RowCount())
        return false;
    m_rows.erase(m_rows.begin() + row);
    m_selected.pop_back();
    if (m_listIndex >= RowCount())
        m_listIndex = RowCount() - 1;
    return true;
}

void AdvListData::ClearRows()
{
    m_rows.clear();
    m_selected.clear();
    m_listIndex = -1;
    m_sortColumn = -1;
}

void AdvListData::Clear()
{
    ClearRows();
    m_columns.clear();
}

QString AdvListData::ListItem(int column, int row) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        return {};
    return Cell(row, column);
}

QString AdvListData::ListRow(int row) const
{
    if (row < 0 || row >= RowCount())
        return {};
    QStringList cells;
    for (int c = 0; c < ColumnCount(); ++c)
        cells << Cell(row, c);
    return cells.join(kLineBreak);
}

bool AdvListData::Selected(int row) const
{
    return row >= 0 && row < RowCount() && m_selected[row];
}

void AdvListData::SetSelected(int row, bool selected)
{
    if (row >= 0 && row < RowCount())
        m_selected[row] = selected;
}

int AdvListData::SelCount() const
{
    return static_cast<int>(std::count(m_selected.begin(), m_selected.end(), 1));
}

void AdvListData::SetListIndex(int index)
{
    m_listIndex = index < 0 ? -1 : std::min(index, RowCount() - 1);
}

void AdvListData::SetMultiSelect(bool on)
{
    m_multiSelect = on;
    if (on)
        m_rightClickSelect = false;
}

void AdvListData::SetRightClickSelect(bool on)
{
    if (!m_multiSelect)
        m_rightClickSelect = on;
}

bool AdvListData::PressRow(int row, int button, int shift)
{
    if (row < 0 || row >= RowCount())
        return false;
    const auto selectOnly = [&] {
        std::fill(m_selected.begin(), m_selected.end(), 0);
        m_selected[row] = 1;
    };
    if (!m_multiSelect) {
        if (button != LeftButton && !m_rightClickSelect)
            return false;
        selectOnly();
    } else {
        if (button != LeftButton)
            return false;
        // Without a current row a range has no start: it is the pressed row alone.
        const int anchor = m_listIndex < 0 ? row : m_listIndex;
        const int from = std::min(anchor, row);
        const int to = std::max(anchor, row);
        const int keys = shift & (ShiftMask | CtrlMask);
        if (keys == 0 || (shift & AltMask)) {
            selectOnly();
        } else if (keys == ShiftMask) {
            std::fill(m_selected.begin() + from, m_selected.begin() + to + 1, 1);
        } else if (keys == CtrlMask) {
            m_selected[row] = !m_selected[row];
        } else {
            for (int r = from; r <= to; ++r)
                m_selected[r] = !m_selected[r];
        }
    }
    m_listIndex = row;
    return true;
}

bool AdvListData::DragOverRow(int row)
{
    if (!m_multiSelect || row < 0 || row >= RowCount())
        return false;
    m_selected[row] = 1;
    return true;
}

namespace {

// One row's sort key: its lower-cased text in the shared block, with the first four code units
// packed into one number as well, most significant first. Keys whose leading units differ are
// ordered by that number alone, without a call or a look at the block; only keys that begin alike
// compare their texts. A missing unit packs as 0, below every other unit, so a shorter key still
// sorts first; a key holding a real U+0000 ties with its shorter twin and is settled by the length.
struct SortKey {
    quint64 lead;
    qint32 start;
    qint32 length;
    qint32 row;
};

quint64 LeadUnits(const char16_t* key, qsizetype length)
{
    quint64 lead = 0;
    for (qsizetype i = 0; i < 4; ++i)
        lead = (lead << 16) | (i < length ? key[i] : 0);
    return lead;
}

} // namespace

bool AdvListData::SortByColumn(int column, bool descending)
{
    if (column < 0 || column >= ColumnCount())
        return false;
    const int count = RowCount();
    // Every key is lower-cased once, into one block of text beside its row number, so the sort
    // compares ready keys that lie close together in memory.
    qsizetype total = 0;
    for (int r = 0; r < count; ++r)
        total += Cell(r, column).size();
    QString folded;
    folded.reserve(total);
    std::vector<SortKey> keys;
    keys.reserve(count);
    for (int r = 0; r < count; ++r) {
        const QString cell = Cell(r, column);
        const qsizetype start = folded.size();
        if (QtPrivate::isAscii(cell)) {
            folded.resize(start + cell.size());
            const char16_t* in = reinterpret_cast<const char16_t*>(cell.utf16());
            char16_t* out = reinterpret_cast<char16_t*>(folded.data()) + start;
            for (qsizetype i = 0; i < cell.size(); ++i)
                out[i] = (in[i] >= 'A' && in[i] <= 'Z') ? char16_t(in[i] | 0x20) : in[i];
        } else {
            folded += cell.toLower();
        }
        keys.push_back({0, qint32(start), qint32(folded.size() - start), r});
    }
    const char16_t* block = reinterpret_cast<const char16_t*>(folded.utf16());
    for (SortKey& k : keys)
        k.lead = LeadUnits(block + k.start, k.length);
    // A stable sort by "less than" keeps equal keys in their former order, which is exactly what
    // a bubble sort that swaps only on "greater than" yields.
    std::stable_sort(keys.begin(), keys.end(), [block](const SortKey& a, const SortKey& b) {
        if (a.lead != b.lead)
            return a.lead < b.lead;
        // Code unit by code unit, as QString compares, from the first unit the lead left open.
        const char16_t* x = block + a.start;
        const char16_t* y = block + b.start;
        const qint32 common = std::min(a.length, b.length);
        for (qint32 i = 4; i < common; ++i)
            if (x[i] != y[i])
                return x[i] < y[i];
        return a.length < b.length;
    });
    if (descending)
        std::reverse(keys.begin(), keys.end());
    std::vector<Row> sorted;
    sorted.reserve(count);
    for (const SortKey& k : keys)
        sorted.push_back(std::move(m_rows[k.row]));
    m_rows = std::move(sorted);
    m_sortColumn = column;
    m_sortDirection = descending ? 1 : 0;
    return true;
}

int AdvListData::HeaderClickSort(int column, bool* descending)
{
    if (column == m_sortColumn) {
        m_sortDirection = (m_sortDirection + 1) % 2;
    } else {
        m_sortColumn = column;
        m_sortDirection = 0;
    }
    *descending = m_sortDirection != 0;
    return m_sortColumn;
}
