// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/files/save_target.h"

#include <QFileInfo>

namespace tessaron {

SaveTarget saveTarget(const SaveFileAnswer& answer, std::span<const SaveFileType> types) {
    const int selected =
        answer.filter >= 0 && static_cast<std::size_t>(answer.filter) < types.size() ? answer.filter
                                                                                     : 0;
    const QString suffix = QFileInfo(answer.path).suffix();
    const auto hasSuffix = [&suffix](const SaveFileType& type) {
        return suffix.compare(type.suffix, Qt::CaseInsensitive) == 0;
    };
    if (hasSuffix(types[static_cast<std::size_t>(selected)])) {
        return {answer.path, selected};
    }
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (hasSuffix(types[i])) {
            return {answer.path, static_cast<int>(i)};
        }
    }
    QString path = answer.path;
    if (suffix.isEmpty()) {
        path += '.' + types[static_cast<std::size_t>(selected)].suffix;
    }
    return {path, selected};
}

}  // namespace tessaron
