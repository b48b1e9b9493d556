#include "Catalog.h"

#include <stdexcept>

TPainter AtDoubleSize(TPainter painter) {
    return [painter = std::move(painter)](const TTile& t) {
        cairo_save(t.cr);
        cairo_scale(t.cr, 0.5, 0.5);
        painter({t.cr, t.Entry, t.Pattern, t.W * 2, t.H * 2});
        cairo_restore(t.cr);
    };
}

void TCatalog::Add(const std::string& name, TPainter painter) {
    if (!Painters.emplace(name, std::move(painter)).second)
        throw std::logic_error("two painters for " + name);
}

void TCatalog::AddFamily(const std::string& prefix, TPainter painter) {
    if (!Families.emplace(prefix, std::move(painter)).second)
        throw std::logic_error("two painters for the family " + prefix);
}

const TPainter* TCatalog::Find(const std::string& name) const {
    if (const auto own = Painters.find(name); own != Painters.end()) return &own->second;
    const TPainter* best = nullptr;
    size_t bestLength = 0;
    for (const auto& [prefix, painter] : Families) {
        if (name.rfind(prefix, 0) == 0 && (!best || prefix.size() > bestLength)) {
            best = &painter;
            bestLength = prefix.size();
        }
    }
    return best;
}
