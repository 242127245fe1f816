// A desktop session of the end-to-end tests' own: an X session manager
// (XSMP, through libSM) that the game registers with, and that logs the
// session out when a line arrives on its standard input. "logout" asks for
// a shutdown that allows no questions, "logout-ask" one that allows them;
// then the game's save is awaited and it is told to die, as a desktop's
// session manager does at a logout.
//
//   logout_session ADDRESS_FILE
//
// writes the SESSION_MANAGER address to ADDRESS_FILE once it listens, and
// prints "registered", "saved" (with the milliseconds the save took) and
// "gone" as the client gets there.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

SmsConn client = nullptr;
bool gone = false;
std::chrono::steady_clock::time_point logoutAt;

double sinceLogout()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - logoutAt).count();
}

Status registerClient(SmsConn conn, SmPointer, char* previousId)
{
    char* id = previousId ? previousId : SmsGenerateClientID(conn);
    std::string own = id ? id : "1strhaven-test-client";
    SmsRegisterClientReply(conn, own.data());
    // A new client is asked to save its state once, as the protocol wants.
    if (!previousId)
        SmsSaveYourself(conn, SmSaveLocal, False, SmInteractStyleNone, False);
    client = conn;
    std::printf("registered\n");
    std::fflush(stdout);
    return 1;
}

void interactRequest(SmsConn conn, SmPointer, int) { SmsInteract(conn); }
void interactDone(SmsConn, SmPointer, Bool) {}
void saveYourselfRequest(SmsConn, SmPointer, int, Bool, int, Bool, Bool) {}
void saveYourselfPhase2Request(SmsConn conn, SmPointer) { SmsSaveYourselfPhase2(conn); }

void saveYourselfDone(SmsConn conn, SmPointer, Bool success)
{
    if (logoutAt == std::chrono::steady_clock::time_point{})
        return; // the first save after registering
    std::printf("saved %s after %.0f ms\n", success ? "" : "(failed)", sinceLogout());
    std::fflush(stdout);
    SmsDie(conn);
}

void closeConnection(SmsConn conn, SmPointer, int count, char** reasons)
{
    IceConn ice = SmsGetIceConnection(conn);
    SmFreeReasons(count, reasons);
    SmsCleanUp(conn);
    IceSetShutdownNegotiation(ice, False);
    IceCloseConnection(ice);
    client = nullptr;
    gone = true;
}

void setProperties(SmsConn, SmPointer, int count, SmProp** props)
{
    for (int i = 0; i < count; ++i)
        SmFreeProperty(props[i]);
    std::free(props);
}
void deleteProperties(SmsConn, SmPointer, int, char** names) { std::free(names); }
void getProperties(SmsConn conn, SmPointer) { SmsReturnProperties(conn, 0, nullptr); }

Status newClient(SmsConn, SmPointer, unsigned long* mask, SmsCallbacks* callbacks, char**)
{
    *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
            SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask | SmsSaveYourselfDoneProcMask |
            SmsCloseConnectionProcMask | SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask |
            SmsGetPropertiesProcMask;
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
    return 1;
}

// Only the test's own client can reach a socket in its private folder.
Bool anyHost(char*) { return True; }

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ADDRESS_FILE\n", argv[0]);
        return 2;
    }
    char error[256] = {};
    if (!SmsInitialize("strhaven-test", "1.0", newClient, nullptr, anyHost, sizeof error, error)) {
        std::fprintf(stderr, "SmsInitialize: %s\n", error);
        return 1;
    }
    int count = 0;
    IceListenObj* listeners = nullptr;
    if (!IceListenForConnections(&count, &listeners, sizeof error, error)) {
        std::fprintf(stderr, "IceListenForConnections: %s\n", error);
        return 1;
    }
    for (int i = 0; i < count; ++i)
        IceSetHostBasedAuthProc(listeners[i], anyHost);
    char* address = IceComposeNetworkIdList(count, listeners);
    if (FILE* f = std::fopen(argv[1], "w")) {
        std::fprintf(f, "%s\n", address);
        std::fclose(f);
    }

    std::vector<IceConn> connections;
    bool inputOpen = true;
    while (!gone) {
        std::vector<pollfd> fds;
        for (int i = 0; i < count; ++i)
            fds.push_back({IceGetListenConnectionNumber(listeners[i]), POLLIN, 0});
        for (IceConn c : connections)
            fds.push_back({IceConnectionNumber(c), POLLIN, 0});
        if (inputOpen)
            fds.push_back({STDIN_FILENO, POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0)
            return 1;
        std::size_t at = 0;
        std::vector<IceConn> accepted; // polled from the next round on
        for (int i = 0; i < count; ++i, ++at) {
            if (!(fds[at].revents & POLLIN))
                continue;
            IceAcceptStatus status;
            if (IceConn c = IceAcceptConnection(listeners[i], &status)) {
                IceConnectStatus connected;
                while ((connected = IceConnectionStatus(c)) == IceConnectPending)
                    IceProcessMessages(c, nullptr, nullptr);
                if (connected == IceConnectAccepted)
                    accepted.push_back(c);
                else
                    IceCloseConnection(c);
            }
        }
        for (std::size_t i = 0; i < connections.size(); ++i, ++at)
            if (fds[at].revents & (POLLIN | POLLHUP))
                if (IceProcessMessages(connections[i], nullptr, nullptr) == IceProcessMessagesConnectionClosed)
                    gone = true;
        connections.insert(connections.end(), accepted.begin(), accepted.end());
        if (inputOpen && fds[at].revents & (POLLIN | POLLHUP)) {
            char line[64] = {};
            const ssize_t n = read(STDIN_FILENO, line, sizeof line - 1);
            if (n <= 0) {
                inputOpen = false;
            } else if (client && std::strncmp(line, "logout", 6) == 0) {
                const bool mayAsk = std::strncmp(line, "logout-ask", 10) == 0;
                logoutAt = std::chrono::steady_clock::now();
                SmsSaveYourself(client, SmSaveBoth, True, mayAsk ? SmInteractStyleAny : SmInteractStyleNone, False);
            }
        }
    }
    std::printf("gone after %.0f ms\n", sinceLogout());
    return 0;
}
