#pragma once
#include <QDate>
#include <QString>
#include <QTime>

#include <array>
#include <functional>
#include <memory>

// What an editor is asked to show: a record by key, or a new record (on a date, at a time).
struct EditorRequest {
    int key = 0;
    bool isNew = false;
    QDate date;
    QTime time;
    int slot = 0;  // the pool slot, shown in parentheses at the end of the caption
};

// One editor window of a pool, as the pool sees it.
class PooledEditor {
public:
    virtual ~PooledEditor() = default;
    // Loads and shows what was asked for.
    virtual void open(const EditorRequest &request) = 0;
    // Showing a record; the pool hands out only editors that are not.
    virtual bool inUse() const = 0;
    // Closes the editor again without saving (a refused record lock).
    virtual void release() = 0;
};

constexpr int kEditorPoolSize = 100;

// The editor windows of one kind: at most 100 at once. A request takes the first window that
// is not in use, creating it when its slot is empty; with all in use it shows text 1022 and
// opens nothing.
class EditorPool {
public:
    // The factory receives the slot number (1-based, for the caption) and may return null when
    // the editor cannot be made; the pool owns what it returns.
    using Factory = std::function<std::unique_ptr<PooledEditor>(int slot)>;
    explicit EditorPool(Factory factory) : m_factory(std::move(factory)) {}

    PooledEditor *acquire(int *slot = nullptr);

    // For an existing record: in network mode (netMode not 0) the record lock is taken through
    // lock(table, key, netMode) once the window is taken; a refused lock closes it again.
    using Lock = std::function<bool(const QString &table, int key, int netMode)>;
    PooledEditor *acquireForRecord(const QString &table, int key, int netMode, const Lock &lock, int *slot = nullptr);

    int created() const;

private:
    Factory m_factory;
    std::array<std::unique_ptr<PooledEditor>, kEditorPoolSize> m_slots;
};
