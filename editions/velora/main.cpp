// Velora, the Chinese edition.
#include "editions/velora/VeloraEdition.h"
#include "platform/ui/Application.h"
#include "shell/app/PhraseBookApp.h"

int main(int argc, char** argv)
{
    PhraseBookApp app(VeloraShellEdition());
    return RunApplication(argc, argv, app);
}
