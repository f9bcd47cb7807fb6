// Reporters that tell the parent of a POSIX death test where its child
// stopped.
#pragma once

namespace diagtest
{
// For a death-test child: on the coming SIGTRAP, writes "trap right after a
// call of the hook" to standard error when the trap stopped at the
// instruction after a direct call of `hook`, else "trap elsewhere"; then the
// signal ends the child.
void ReportTrapSite(const void* hook);
// The same report, but then the child goes on after the trap, as a debugger
// that continues would let it.
void ContinueAfterTrap(const void* hook);
// For a death-test child: on the coming SIGSEGV, writes "fault at 0x<address>"
// to standard error; then the signal ends the child.
void ReportFaultAddress();
}
