// A minimal XSMP session manager for the session-end test. It prints the address to put into
// SESSION_MANAGER, then carries out one command per line from standard input, answering each:
//   wait-registered  registered   once the client has registered
//   save             saved        a checkpoint: save state, don't end (SaveYourself, no shutdown)
//   logout           saved        the save before a logout (SaveYourself with shutdown)
//   cancel           cancelled    the logout was cancelled (ShutdownCancelled)
//   die              died         the session ends (Die), once the client has left
// Any wait longer than 15 s answers "timeout".
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Client {
    SmsConn connection = nullptr;
    bool registered = false;
    int savesDone = 0;
    bool gone = false;
};
Client client;
std::vector<IceConn> iceConnections;

Status registerClient(SmsConn connection, SmPointer, char* previousId) {
    std::free(previousId);
    char* id = SmsGenerateClientID(connection);
    SmsRegisterClientReply(connection, id);
    std::free(id);
    client.registered = true;
    return 1;
}

void saveYourselfDone(SmsConn, SmPointer, Bool) {
    ++client.savesDone;
}

void closeConnection(SmsConn connection, SmPointer, int count, char** reasons) {
    SmFreeReasons(count, reasons);
    IceConn ice = SmsGetIceConnection(connection);
    SmsCleanUp(connection);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    std::erase(iceConnections, ice);
    client.gone = true;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** properties) {
    for (int i = 0; i < count; ++i) SmFreeProperty(properties[i]);
    std::free(properties);
}

void deleteProperties(SmsConn, SmPointer, int count, char** names) {
    for (int i = 0; i < count; ++i) std::free(names[i]);
    std::free(names);
}

void getProperties(SmsConn connection, SmPointer) {
    SmsReturnProperties(connection, 0, nullptr);
}

void interactRequest(SmsConn connection, SmPointer, int) {
    SmsInteract(connection);
}

void interactDone(SmsConn, SmPointer, Bool) {}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}

void saveYourselfPhase2Request(SmsConn connection, SmPointer) {
    SmsSaveYourselfPhase2(connection);
}

Status newClient(SmsConn connection, SmPointer, unsigned long* mask, SmsCallbacks* callbacks,
                 char**) {
    client.connection = connection;
    callbacks->register_client.callback = registerClient;
    callbacks->interact_request.callback = interactRequest;
    callbacks->interact_done.callback = interactDone;
    callbacks->save_yourself_request.callback = saveYourselfRequest;
    callbacks->save_yourself_phase2_request.callback = saveYourselfPhase2Request;
    callbacks->save_yourself_done.callback = saveYourselfDone;
    callbacks->close_connection.callback = closeConnection;
    callbacks->set_properties.callback = setProperties;
    callbacks->delete_properties.callback = deleteProperties;
    callbacks->get_properties.callback = getProperties;
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
            SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask | SmsSetPropertiesProcMask |
            SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
    return 1;
}

Bool anyHost(char*) {
    return True;
}

/// Serves ICE until `done` holds or 15 s have passed.
bool serveUntil(IceListenObj* listeners, int listenerCount, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::vector<pollfd> fds;
        for (int i = 0; i < listenerCount; ++i) {
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        }
        for (IceConn ice : iceConnections) fds.push_back({IceConnectionNumber(ice), POLLIN, 0});
        if (poll(fds.data(), fds.size(), 100) <= 0) continue;
        for (int i = 0; i < listenerCount; ++i) {
            if (!(fds[std::size_t(i)].revents & POLLIN)) continue;
            IceAcceptStatus status;
            IceConn ice = IceAcceptConnection(listeners[i], &status);
            if (!ice) continue;
            while (IceConnectionStatus(ice) == IceConnectPending) {
                IceProcessMessages(ice, nullptr, nullptr);
            }
            if (IceConnectionStatus(ice) == IceConnectAccepted) iceConnections.push_back(ice);
        }
        const std::vector<IceConn> open = iceConnections;
        for (std::size_t i = 0; i < open.size(); ++i) {
            if (fds[std::size_t(listenerCount) + i].revents & (POLLIN | POLLHUP)) {
                if (IceProcessMessages(open[i], nullptr, nullptr) == IceProcessMessagesIOError) {
                    std::erase(iceConnections, open[i]);
                    client.gone = true;
                }
            }
        }
    }
    return true;
}

}  // namespace

int main() {
    char error[256] = "";
    if (!SmsInitialize("TamoruWatchTest", "1.0", newClient, nullptr, anyHost, sizeof error,
                       error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 2;
    }
    int listenerCount = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&listenerCount, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 2;
    }
    for (int i = 0; i < listenerCount; ++i) IceSetHostBasedAuthProc(listeners[i], anyHost);
    char* address = IceComposeNetworkIdList(listenerCount, listeners);
    std::printf("%s\n", address);
    std::fflush(stdout);
    std::free(address);

    std::string command;
    while (std::getline(std::cin, command)) {
        bool ok = true;
        const char* answer = "?";
        if (command == "wait-registered") {
            ok = serveUntil(listeners, listenerCount, [] { return client.registered; });
            answer = "registered";
        } else if (command == "save" || command == "logout") {
            const int before = client.savesDone;
            const bool logout = command == "logout";
            SmsSaveYourself(client.connection, logout ? SmSaveBoth : SmSaveLocal, logout,
                            SmInteractStyleNone, False);
            ok = serveUntil(listeners, listenerCount, [&] { return client.savesDone > before; });
            answer = "saved";
        } else if (command == "cancel") {
            SmsShutdownCancelled(client.connection);
            ok = serveUntil(listeners, listenerCount, [] { return true; });
            answer = "cancelled";
        } else if (command == "die") {
            SmsDie(client.connection);
            ok = serveUntil(listeners, listenerCount, [] { return client.gone; });
            answer = "died";
        }
        std::printf("%s\n", ok ? answer : "timeout");
        std::fflush(stdout);
    }
    return 0;
}
