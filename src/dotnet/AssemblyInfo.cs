using System;
using System.Reflection;
using System.Runtime.CompilerServices;
using System.Runtime.InteropServices;

[assembly: AssemblyTitle("BrixelDemo")]
[assembly: AssemblyDescription("Korvane Brixel push button for Windows Forms")]
[assembly: AssemblyCompany("Korvane Nimbara")]
[assembly: AssemblyProduct("BrixelDemo")]
[assembly: AssemblyVersion("1.5.0.0")]
[assembly: AssemblyFileVersion("1.5.0.0")]
[assembly: ComVisible(false)]
[assembly: CLSCompliant(true)]
// The tests read the message-box and sound seams.
[assembly: InternalsVisibleTo("BrixelDemo.Tests")]
