#include "app/EditCommands.h"

#include "widgets/CommandLabel.h"
#include "widgets/Grid.h"

namespace mirtal::app {

EditCommands EditCommands::build(QWidget* parent, QPoint topLeft, int step) {
    int top = topLeft.y();
    const auto command = [&](const char* name, const char* caption, const char* shape) {
        auto* label = new widgets::CommandLabel(QLatin1String(name), QLatin1String(caption),
                                                QLatin1String(shape), parent);
        label->setGeometry(topLeft.x(), top, 96, 28);
        top += step;
        return label;
    };
    EditCommands commands{};
    commands.add = command("LblAdd", "&SUBMIT", "Shape10");
    commands.edit = command("LblEdit", "&UPDATE", "Shape11");
    commands.remove = command("LblDelete", "&REMOVE", "Shape12");
    commands.clear = command("LblClear", "&CLEAR", "Shape13");
    return commands;
}

QList<widgets::CommandLabel*> EditCommands::all() const {
    return {add, edit, remove, clear};
}

void connectEdits(const EditCommands& commands, widgets::Grid& grid, QObject* context,
                  const EditHandlers& handlers) {
    QObject::connect(commands.add, &widgets::CommandLabel::clicked, context, handlers.submit);
    QObject::connect(commands.edit, &widgets::CommandLabel::clicked, context, handlers.update);
    QObject::connect(commands.remove, &widgets::CommandLabel::clicked, context, handlers.remove);
    QObject::connect(commands.clear, &widgets::CommandLabel::clicked, context, handlers.clear);
    QObject::connect(&grid, &widgets::Grid::clicked, context, handlers.pick);
    QObject::connect(&grid, &widgets::Grid::doubleClicked, context, handlers.remove);
}

}  // namespace mirtal::app
