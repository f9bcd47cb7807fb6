// ui_colour: a colour set in a colour editor of the UI window (in the colour
// popup the editor opens from a swatch), as one gesture of the user.
#include "CommandSupport.h"
#include "Sandbox.h"

#include <UiDriver.h>

#include <cmath>
#include <string>

namespace sandbox
{
void AddColourCommands(Sandbox& sandbox)
{
    for (size_t count : { 4, 5 })
    {
        sandbox.AddCommand("ui_colour", count, [&sandbox](ConsoleExecutionContext& context) {
            float rgb[3];
            for (int channel = 0; channel < 3; ++channel)
            {
                const std::string& text = context.arguments[1 + channel];
                const std::optional<float> value = ParseNumber(text);
                if (!value || !std::isfinite(*value))
                    return Fail(context, "ui_colour: R, G and B must be numbers, not \"" + text + "\"");
                rgb[channel] = *value;
            }
            int index = uidriver::UiDriver::kUnique;
            if (context.arguments.Count() > 4)
            {
                const std::optional<int> parsed = ParseInteger(context.arguments[4]);
                if (!parsed || *parsed < 0)
                    return Fail(context, "the widget index must be 0 or more, not \"" + context.arguments[4] + "\"");
                index = *parsed;
            }
            try
            {
                sandbox.Act([&](uidriver::UiDriver& ui) {
                    ui.DropColour(sandbox.uiWindow, context.arguments[0], rgb, index);
                });
            }
            catch (const std::exception& error)
            {
                return Fail(context, error.what());
            }
            return true;
        });
    }
}
}
