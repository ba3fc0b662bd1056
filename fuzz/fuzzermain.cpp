// The libFuzzer entry points of one target, chosen at build time by
// QM_FUZZ_TARGET (a function of fuzztargets.h).
#include "fuzzsupport.h"
#include "fuzztargets.h"

#include "base/messageservice.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

namespace {

// Shows nothing and answers every question with Yes, so that each command
// goes as far as it can.
class SilentMessages : public MessageService {
public:
    MessageAnswer show(const QString&, const QString&, MessageButtons buttons) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static SilentMessages messages;
    installMessageService(&messages);
    fuzzing::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An input/output error ends a command as the general error report does.
    runReportingIoErrors([&] { fuzzing::QM_FUZZ_TARGET(QByteArrayView(data, static_cast<qsizetype>(size))); });
    // What Qt posted or timed runs now, as the program's event loop runs it
    // between commands; without it the font cache never shrinks, and every
    // input that names new fonts makes the next ones slower.
    QCoreApplication::processEvents();
    return 0;
}
