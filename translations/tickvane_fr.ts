<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AllSettings</name>
    <message>
        <source>In %1, %2 %3 Save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 the place and the problem (&quot;section …, key: problem&quot;), %3 what was done about it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page folder &quot;%1&quot; in %2 is not a full path on this system; the pages go to %3 instead.</source>
        <extracomment>%1 is the folder stored, %2 the settings file, %3 the folder used instead.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock list stored in %1 was damaged (%2) and has been repaired; save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 what was wrong and what was kept.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSiteEditor</name>
    <message>
        <source>Chart site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Address template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbols from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of the site in the pages, at most 40 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which of a stock&apos;s symbols goes into the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Many chart sites refuse to be shown inside another page&apos;s frame</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartSitesDialog</name>
    <message>
        <source>Chart sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also write a one-&amp;page chart browser (index.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;nabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There can be at most %1 chart sites besides the four built-in ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the chart site &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no stock to try the chart site with.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorSample</name>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomUrlDialog</name>
    <message>
        <source>Custom URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Symbol or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or F3: next match, Shift+F3: previous, Escape: close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No match</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FixedDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralOptionsDialog</name>
    <message>
        <source>General options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web sites enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial page points to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own site of the initial page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path for HTML &amp;files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation frame colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use bro&amp;wser default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;text color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set back&amp;ground color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation frame width = %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML files (*.htm *.html);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HtmlDirPath</name>
    <message>
        <source>The path for HTML files is empty. Please enter the folder the web pages are to be written to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; is not a full path. Please enter a path that starts with &quot;/&quot;, or with &quot;~/&quot; for your home folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; names a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Could not read the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be read.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines of the settings file %1 could not be read; the settings that could be read were used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListPreview</name>
    <message>
        <source>Add stocks from a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type for rows that name none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the rows marked add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <source>Add a chart site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blank site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The presets are the sites&apos; public address forms as they were documented; Tickvane cannot check them without going on the network. Try a site once it is added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Custom URLs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RegistryScript</name>
    <message>
        <source>line %1 is not a complete value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no Tickvane settings</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a registry script</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line breaks in %1 of section %2 were written as blanks.</source>
        <extracomment>%1 is a key of the settings, %2 its section.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptImport</name>
    <message>
        <source>line %1: the value of %2 is not a text</source>
        <extracomment>%1 is a line of the registry script, %2 a key of the settings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maxtypes %1 and Maxstocks %2 name %3, which is missing</source>
        <extracomment>Maxtypes and Maxstocks are keys of the settings; %3 is a key of a stock or type.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a key of the settings, %2 what is wrong with its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockEditor</name>
    <message>
        <source>New or updated stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default &amp;symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name or description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company web site or other URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market the stock trades on, such as XLON: chart sites with a symbol form for it make their symbol for the stock from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill these in if different sites use different symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must define at least one type before adding stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use change type button on main screen to change type of an existing stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter both a default symbol and a description.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 64 MiB, so it is not one of Tickvane and the defaults are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing in the settings file &quot;%1&quot; could be read as settings of Tickvane, so the defaults are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file will be moved to &quot;%2&quot; when the settings are saved.</source>
        <extracomment>Follows the sentence that says why the settings file &quot;%1&quot; is not used; %2 is the name it is moved to.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move the unusable settings file &quot;%1&quot; to &quot;%2&quot;: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The unusable settings file was moved to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it is the settings file itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text of %1 in %2 was not valid UTF-8, so some of its characters were lost.</source>
        <extracomment>%1 is a key of the settings file %2.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageScript</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB, so it is not a settings script of Tickvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a settings script of Tickvane: %2.</source>
        <extracomment>%1 is the file, %2 why it is not a settings script.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was not imported.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no settings of Tickvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <extracomment>%1 is the file, %2 why it was not imported (a whole sentence).</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredChartSites</name>
    <message>
        <source>The key is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 names more chart sites than the %2 stored.</source>
        <extracomment>%1 is the count stored, %2 the number of chart sites found.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n chart sites stored are kept.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Its pages are now &quot;%1.html&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site is kept, switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The site has no symbol forms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section %1, %2: %3</source>
        <extracomment>%1 is a section of the settings file, %2 its key, %3 what is wrong with it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoredStockList</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is past the records stored</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept %1 types and %2 stocks</source>
        <extracomment>Follows what was wrong with the stored stock list.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>dropped %n stocks without a type</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SymbolFormEditor</name>
    <message>
        <source>Symbol form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol &amp;form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A market of the list, or any market identifier code of four letters or digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or LSE:{symbol}</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has a symbol form already.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SymbolFormsDialog</name>
    <message>
        <source>Symbol forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Symbol forms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol forms of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypeChangeDialog</name>
    <message>
        <source>Change type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TypeNameDialog</name>
    <message>
        <source>New or updated type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Header text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnlinkedAddresses</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is a key of the settings, %2 the file it is in.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
