#include "editorpool.h"

#include "data/prompt.h"
#include "localisation/langtext.h"

PooledEditor *EditorPool::acquire(int *slot) {
    for (int i = 0; i < kEditorPoolSize; ++i) {
        if (!m_slots[i]) {
            m_slots[i] = m_factory(i + 1);
            if (!m_slots[i])
                return nullptr;
        }
        if (!m_slots[i]->inUse()) {
            if (slot)
                *slot = i + 1;
            return m_slots[i].get();
        }
    }
    prompt().message(LangText(1022), Prompt::Kind::Error);
    return nullptr;
}

PooledEditor *EditorPool::acquireForRecord(const QString &table, int key, int netMode, const Lock &lock, int *slot) {
    PooledEditor *editor = acquire(slot);
    if (!editor || netMode == 0)
        return editor;
    if (!lock(table, key, netMode)) {
        editor->release();
        return nullptr;
    }
    return editor;
}

int EditorPool::created() const {
    int n = 0;
    for (const auto &s : m_slots)
        n += s ? 1 : 0;
    return n;
}
