// Subclassing bookkeeping rules (see subclass_book.h).
#include "dialogs/core/subclass_book.h"

namespace kvdlg {

std::string SubclassBook::ProcedureName(WindowId window) { return std::to_string(window); }
std::string SubclassBook::WindowCountName(WindowId window) { return "C" + std::to_string(window); }
std::string SubclassBook::MessageCountName(WindowId window, std::uint32_t message) {
  return std::to_string(window) + "#" + std::to_string(message) + "C";
}
std::string SubclassBook::ClientName(WindowId window, std::uint32_t message, std::int32_t number) {
  return std::to_string(window) + "#" + std::to_string(message) + "#" + std::to_string(number);
}

PropValue SubclassBook::PreviousProcedure(WindowId window) {
  return ops_.ReadProp(window, ProcedureName(window));
}

std::int32_t SubclassBook::AttachmentCount(WindowId window) {
  return static_cast<std::int32_t>(ops_.ReadProp(window, WindowCountName(window)));
}

std::vector<PropValue> SubclassBook::Clients(WindowId window, std::uint32_t message) {
  std::vector<PropValue> clients;
  auto count = static_cast<std::int32_t>(ops_.ReadProp(window, MessageCountName(window, message)));
  for (std::int32_t n = 1; n <= count; ++n) {
    clients.push_back(ops_.ReadProp(window, ClientName(window, message, n)));
  }
  return clients;
}

ServiceError SubclassBook::Attach(WindowId window, std::uint32_t message, PropValue client) {
  if (!ops_.Exists(window)) return ServiceError::InvalidWindow;
  if (!ops_.OwnedByThisProcess(window)) return ServiceError::ExternalWindow;
  // The duplicate test comes before any count changes, so a refused attach leaves no trace.
  for (PropValue existing : Clients(window, message)) {
    if (existing == client) return ServiceError::AlreadyHandled;
  }
  std::int32_t attachments = AttachmentCount(window);
  if (attachments > 0) {
    ops_.WriteProp(window, WindowCountName(window), attachments + 1);
  } else {
    PropValue previous = ops_.InstallProcedure(window);
    if (previous == 0) return ServiceError::CantSubclass;
    ops_.WriteProp(window, ProcedureName(window), previous);
    ops_.WriteProp(window, WindowCountName(window), 1);
  }
  auto count = static_cast<std::int32_t>(ops_.ReadProp(window, MessageCountName(window, message))) + 1;
  ops_.WriteProp(window, MessageCountName(window, message), count);
  ops_.WriteProp(window, ClientName(window, message, count), client);
  return ServiceError::None;
}

bool SubclassBook::Detach(WindowId window, std::uint32_t message, PropValue client) {
  std::vector<PropValue> clients = Clients(window, message);
  std::size_t at = 0;
  while (at < clients.size() && clients[at] != client) ++at;
  if (at == clients.size()) return false;
  clients.erase(clients.begin() + static_cast<std::ptrdiff_t>(at));
  // Close the gap: renumber the clients after the removed one, drop the last name.
  for (std::size_t i = at; i < clients.size(); ++i) {
    ops_.WriteProp(window, ClientName(window, message, static_cast<std::int32_t>(i + 1)), clients[i]);
  }
  ops_.DropProp(window, ClientName(window, message, static_cast<std::int32_t>(clients.size() + 1)));
  if (clients.empty()) {
    ops_.DropProp(window, MessageCountName(window, message));
  } else {
    ops_.WriteProp(window, MessageCountName(window, message), static_cast<PropValue>(clients.size()));
  }
  std::int32_t attachments = AttachmentCount(window) - 1;
  if (attachments > 0) {
    ops_.WriteProp(window, WindowCountName(window), attachments);
    return true;
  }
  ops_.RestoreProcedure(window, PreviousProcedure(window));
  ops_.DropProp(window, ProcedureName(window));
  ops_.DropProp(window, WindowCountName(window));
  return true;
}

std::intptr_t SubclassBook::Dispatch(WindowId window, std::uint32_t message, DispatchOps& dispatch) {
  PropValue previous = PreviousProcedure(window);
  // A snapshot: clients may detach themselves while they run.
  std::vector<PropValue> clients = Clients(window, message);
  if (clients.empty()) return dispatch.CallPrevious(previous);
  std::intptr_t result = 0;
  for (std::size_t i = 0; i < clients.size(); ++i) {
    std::int32_t response = dispatch.Response(clients[i], message);
    if (i == 0 && response == kCallPreviousBefore) result = dispatch.CallPrevious(previous);
    result = dispatch.CallClient(clients[i]);
    if (i + 1 == clients.size() && response == kCallPreviousAfter) result = dispatch.CallPrevious(previous);
  }
  return result;
}

}  // namespace kvdlg
