<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Tickvane version %1
Chart link pages for your stock list.
By the Tickvane developers.
Built with Qt %2.

</source>
        <extracomment>%1 is the program&apos;s version, %2 the version of Qt.</extracomment>
        <translation>Tickvane version %1
Pages de liens vers des graphiques pour votre liste d&apos;actions.
Par les développeurs de Tickvane.
Compilé avec Qt %2.

</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>About Tickvane</source>
        <translation>À propos de Tickvane</translation>
    </message>
</context>
<context>
    <name>AddressQuestion</name>
    <message>
        <source>%1 Keep it?</source>
        <extracomment>%1 is the sentence saying why the pages will not link the address</extracomment>
        <translation>%1 La conserver ?</translation>
    </message>
    <message>
        <source>This address</source>
        <translation>Cette adresse</translation>
    </message>
</context>
<context>
    <name>AddressTemplate</name>
    <message>
        <source>&quot;%1&quot; in the %2 is not a placeholder: use {symbol}, or {{ and }} for braces.</source>
        <extracomment>%1 is the placeholder as written, %2 &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Dans %2, &quot;%1&quot; n&apos;est pas un espace réservé : utilisez {symbol}, ou {{ et }} pour des accolades.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in the %2 has the unknown filter &quot;%3&quot;: the filters are lower, upper and dash.</source>
        <extracomment>%1 is the placeholder, %2 &quot;address template&quot; or &quot;symbol form&quot;, %3 the filter</extracomment>
        <translation>Dans %2, &quot;%1&quot; a le filtre inconnu &quot;%3&quot; : les filtres sont lower, upper et dash.</translation>
    </message>
    <message>
        <source>The brace in &quot;%1}&quot; of the %2 closes nothing: use }} for a brace.</source>
        <extracomment>%2 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Dans %2, l&apos;accolade de &quot;%1}&quot; ne ferme rien : utilisez }} pour une accolade.</translation>
    </message>
    <message>
        <source>The brace in &quot;%1&quot; of the %2 is not closed: use {{ for a brace.</source>
        <extracomment>%2 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>Dans %2, l&apos;accolade de &quot;%1&quot; n&apos;est pas fermée : utilisez {{ pour une accolade.</translation>
    </message>
    <message>
        <source>The %1 must contain {symbol}.</source>
        <extracomment>%1 is &quot;address template&quot; or &quot;symbol form&quot;</extracomment>
        <translation>{symbol} doit figurer dans %1.</translation>
    </message>
    <message>
        <source>address template</source>
        <extracomment>what is wrong is shown &quot;in the address template&quot;</extracomment>
        <translation>le modèle d&apos;adresse</translation>
    </message>
    <message>
        <source>The address template must be a complete http or https address, such as https://www.example.com/chart?s={symbol}</source>
        <translation>Le modèle d&apos;adresse doit être une adresse http ou https complète, comme https://www.example.com/chart?s={symbol}</translation>
    </message>
</context>
<context>
    <name>AllSettings</name>
    <message>
        <source>In %1, %2 %3 Save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 the place and the problem (&quot;section …, key: problem&quot;), %3 what was done about it.</extracomment>
        <translation>Dans %1, %2 %3 Enregistrez les paramètres pour conserver la réparation.</translation>
    </message>
    <message>
        <source>The page folder &quot;%1&quot; in %2 is not a full path on this system; the pages go to %3 instead.</source>
        <extracomment>%1 is the folder stored, %2 the settings file, %3 the folder used instead.</extracomment>
        <translation>Le dossier des pages &quot;%1&quot; dans %2 n&apos;est pas un chemin complet sur ce système; les pages vont dans %3 à la place.</translation>
    </message>
    <message>
        <source>The stock list stored in %1 was damaged (%2) and has been repaired; save the settings to keep the repair.</source>
        <extracomment>%1 is the settings file, %2 what was wrong and what was kept.</extracomment>
        <translation>La liste d&apos;actions enregistrée dans %1 était endommagée (%2) et a été réparée; enregistrez les paramètres pour conserver la réparation.</translation>
    </message>
</context>
<context>
    <name>BigCharts</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>2 days</source>
        <translation>2 jours</translation>
    </message>
    <message>
        <source>5 days</source>
        <translation>5 jours</translation>
    </message>
    <message>
        <source>10 days</source>
        <translation>10 jours</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1 mois</translation>
    </message>
    <message>
        <source>2 months</source>
        <translation>2 mois</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>Year to date</source>
        <translation>Depuis le début de l&apos;année</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 ans</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 ans</translation>
    </message>
    <message>
        <source>4 years</source>
        <translation>4 ans</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>Decade</source>
        <translation>Décennie</translation>
    </message>
    <message>
        <source>All data</source>
        <translation>Toutes les données</translation>
    </message>
    <message>
        <source>Every minute</source>
        <translation>Chaque minute</translation>
    </message>
    <message>
        <source>Every 5 minutes</source>
        <translation>Toutes les 5 minutes</translation>
    </message>
    <message>
        <source>Every 15 minutes</source>
        <translation>Toutes les 15 minutes</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Horaire</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation>Dow Industrials</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation>Russell 2000</translation>
    </message>
    <message>
        <source>AMEX Computer Technology Index</source>
        <translation>AMEX Computer Technology Index</translation>
    </message>
    <message>
        <source>AMEX Internet Index</source>
        <translation>AMEX Internet Index</translation>
    </message>
    <message>
        <source>AMEX Securities Brokers/Dealers</source>
        <translation>AMEX Securities Brokers/Dealers</translation>
    </message>
    <message>
        <source>AMEX Oil Index</source>
        <translation>AMEX Oil Index</translation>
    </message>
    <message>
        <source>PHLX Gold &amp; Silver Index</source>
        <translation>PHLX Gold &amp; Silver Index</translation>
    </message>
    <message>
        <source>Dow Jones Utilities Average</source>
        <translation>Dow Jones Utilities Average</translation>
    </message>
    <message>
        <source>Dow Jones Transportation Average</source>
        <translation>Dow Jones Transportation Average</translation>
    </message>
    <message>
        <source>AMEX Airline Index</source>
        <translation>AMEX Airline Index</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Hide price</source>
        <translation>Masquer le cours</translation>
    </message>
    <message>
        <source>HLC</source>
        <translation>HLC</translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation>OHLC</translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation>Chandeliers</translation>
    </message>
    <message>
        <source>Mountain</source>
        <translation>Montagne</translation>
    </message>
    <message>
        <source>Bar charts</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Clôture</translation>
    </message>
    <message>
        <source>Logarithmic</source>
        <translation>Logarithmique</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Black grids</source>
        <translation>Grilles noires</translation>
    </message>
    <message>
        <source>Blue &amp; white</source>
        <translation>Bleu &amp; blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Globe</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Graph paper</source>
        <translation>Papier millimétré</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>SMA</source>
        <translation>SMA</translation>
    </message>
    <message>
        <source>EMA</source>
        <translation>EMA</translation>
    </message>
    <message>
        <source>SMA (2-line)</source>
        <translation>SMA (2 lignes)</translation>
    </message>
    <message>
        <source>SMA (3-line)</source>
        <translation>SMA (3 lignes)</translation>
    </message>
    <message>
        <source>EMA (2-line)</source>
        <translation>EMA (2 lignes)</translation>
    </message>
    <message>
        <source>EMA (3-line)</source>
        <translation>EMA (3 lignes)</translation>
    </message>
    <message>
        <source>MA Envelopes</source>
        <translation>Enveloppes de moyennes mobiles</translation>
    </message>
    <message>
        <source>Bollinger Bands</source>
        <translation>Bandes de Bollinger</translation>
    </message>
    <message>
        <source>Parabolic SAR</source>
        <translation>SAR parabolique</translation>
    </message>
    <message>
        <source>Volume by Price</source>
        <translation>Volume par prix</translation>
    </message>
    <message>
        <source>Price Channel</source>
        <translation>Canal de prix</translation>
    </message>
    <message>
        <source>Show Splits</source>
        <translation>Afficher les fractionnements</translation>
    </message>
    <message>
        <source>Show Earnings</source>
        <translation>Afficher les bénéfices</translation>
    </message>
    <message>
        <source>Show Dividends</source>
        <translation>Afficher les dividendes</translation>
    </message>
    <message>
        <source>Show All Events</source>
        <translation>Afficher tous les événements</translation>
    </message>
    <message>
        <source>A/D Line</source>
        <translation>Ligne A/D</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation>Volume+</translation>
    </message>
    <message>
        <source>Relative Strength Index (RSI)</source>
        <translation>Indice de force relative (RSI)</translation>
    </message>
    <message>
        <source>Moving Average Convergence/Divergence (MACD)</source>
        <translation>Convergence/divergence des moyennes mobiles (MACD)</translation>
    </message>
    <message>
        <source>On Balance Volume (OBV)</source>
        <translation>On Balance Volume (OBV)</translation>
    </message>
    <message>
        <source>Fast Stochastic</source>
        <translation>Stochastique rapide</translation>
    </message>
    <message>
        <source>Slow Stochasitc</source>
        <translation>Stochastique lente</translation>
    </message>
    <message>
        <source>Rate of Change (ROC)</source>
        <translation>Taux de variation (ROC)</translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation>Williams %R</translation>
    </message>
    <message>
        <source>Money Flow</source>
        <translation>Flux monétaire</translation>
    </message>
    <message>
        <source>Volume Accumulation</source>
        <translation>Accumulation du volume</translation>
    </message>
    <message>
        <source>Volatility Fast</source>
        <translation>Volatilité rapide</translation>
    </message>
    <message>
        <source>Volatility Slow</source>
        <translation>Volatilité lente</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Momentum</translation>
    </message>
    <message>
        <source>Ultimate Oscillator</source>
        <translation>Oscillateur ultime</translation>
    </message>
    <message>
        <source>% Short Interest</source>
        <translation>% de positions à découvert</translation>
    </message>
    <message>
        <source>Rolling EPS</source>
        <translation>BPA glissant</translation>
    </message>
    <message>
        <source>P/E Ratio</source>
        <translation>PER</translation>
    </message>
    <message>
        <source>P/E Ranges</source>
        <translation>Fourchettes de PER</translation>
    </message>
    <message>
        <source>Rolling Dividend</source>
        <translation>Dividende glissant</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>Up/Down Ratio</source>
        <translation>Ratio hausses/baisses</translation>
    </message>
    <message>
        <source>Arms Index (TRIN)</source>
        <translation>Indice Arms (TRIN)</translation>
    </message>
    <message>
        <source>A/D Line (Breadth)</source>
        <translation>Ligne A/D (étendue)</translation>
    </message>
    <message>
        <source>A/D Line (Daily)</source>
        <translation>Ligne A/D (quotidienne)</translation>
    </message>
    <message>
        <source>% Compare</source>
        <translation>Comparaison en %</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>&amp;Fréquence</translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation>&amp;Indice de comparaison</translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation>Tai&amp;lle du graphique</translation>
    </message>
    <message>
        <source>&amp;Price display</source>
        <translation>Affichage du &amp;cours</translation>
    </message>
    <message>
        <source>Chart &amp;background</source>
        <translation>Fo&amp;nd du graphique</translation>
    </message>
    <message>
        <source>&amp;Moving averages</source>
        <translation>&amp;Moyennes mobiles</translation>
    </message>
    <message>
        <source>&amp;Upper indicator</source>
        <translation>Indicateur s&amp;upérieur</translation>
    </message>
    <message>
        <source>&amp;First lower indicator</source>
        <translation>P&amp;remier indicateur inférieur</translation>
    </message>
    <message>
        <source>Second &amp;lower indicator</source>
        <translation>&amp;Second indicateur inférieur</translation>
    </message>
    <message>
        <source>T&amp;hird lower indicator</source>
        <translation>Tr&amp;oisième indicateur inférieur</translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbol</source>
        <translation>S&amp;ymbole de comparaison</translation>
    </message>
    <message>
        <source>BigCharts Options</source>
        <translation>Options BigCharts</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Annuler les modifications</translation>
    </message>
</context>
<context>
    <name>ChartSiteEditor</name>
    <message>
        <source>Chart site</source>
        <translation>Site de graphiques</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Address template</source>
        <translation>&amp;Modèle d&apos;adresse</translation>
    </message>
    <message>
        <source>&amp;Symbols from</source>
        <translation>Source des &amp;symboles</translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation>&amp;Ouvrir les graphiques</translation>
    </message>
    <message>
        <source>&amp;Enabled</source>
        <translation>Acti&amp;vé</translation>
    </message>
    <message>
        <source>The name of the site in the pages, at most 40 characters</source>
        <translation>Le nom du site dans les pages, 40 caractères au plus</translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation>Mettez {symbol} à la place du symbole de l&apos;action, par exemple</translation>
    </message>
    <message>
        <source>Which of a stock&apos;s symbols goes into the address</source>
        <translation>Lequel des symboles de l&apos;action va dans l&apos;adresse</translation>
    </message>
    <message>
        <source>Many chart sites refuse to be shown inside another page&apos;s frame</source>
        <translation>Beaucoup de sites de graphiques refusent d&apos;être affichés dans le cadre d&apos;une autre page</translation>
    </message>
</context>
<context>
    <name>ChartSiteRules</name>
    <message>
        <source>Please enter a name for the chart site.</source>
        <translation>Veuillez saisir un nom pour le site de graphiques.</translation>
    </message>
    <message numerus="yes">
        <source>The name of the chart site may be at most %n characters long.</source>
        <translation>
            <numerusform>Le nom du site de graphiques ne peut dépasser %n caractère.</numerusform>
            <numerusform>Le nom du site de graphiques ne peut dépasser %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is already a chart site named &quot;%1&quot;.</source>
        <translation>Il existe déjà un site de graphiques nommé &quot;%1&quot;.</translation>
    </message>
    <message numerus="yes">
        <source>The file name &quot;%1&quot; must be 1 to %n lower-case letters, digits and &quot;-&quot;.</source>
        <translation>
            <numerusform>Le nom de fichier &quot;%1&quot; doit compter de 1 à %n lettre minuscule, chiffre ou &quot;-&quot;.</numerusform>
            <numerusform>Le nom de fichier &quot;%1&quot; doit compter de 1 à %n lettres minuscules, chiffres et &quot;-&quot;.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is reserved.</source>
        <translation>Le nom de fichier &quot;%1&quot; est réservé.</translation>
    </message>
    <message>
        <source>The file name &quot;%1&quot; is already used by another chart site.</source>
        <translation>Le nom de fichier &quot;%1&quot; est déjà utilisé par un autre site de graphiques.</translation>
    </message>
</context>
<context>
    <name>ChartSiteSettings</name>
    <message>
        <source>Stock symbol</source>
        <extracomment>the drop-down of which symbol a chart site&apos;s addresses take: the stock&apos;s own</extracomment>
        <translation>Symbole de l&apos;action</translation>
    </message>
    <message>
        <source>%1 symbol</source>
        <extracomment>the drop-down of which symbol a chart site&apos;s addresses take; %1 is a site&apos;s name</extracomment>
        <translation>Symbole %1</translation>
    </message>
    <message>
        <source>In the chart frame</source>
        <extracomment>where a chart site&apos;s charts open</extracomment>
        <translation>Dans le cadre des graphiques</translation>
    </message>
    <message>
        <source>In one new window</source>
        <translation>Dans une seule nouvelle fenêtre</translation>
    </message>
    <message>
        <source>In a new tab each time</source>
        <translation>Dans un nouvel onglet à chaque fois</translation>
    </message>
</context>
<context>
    <name>ChartSitesDialog</name>
    <message>
        <source>Chart sites</source>
        <translation>Sites de graphiques</translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation>&amp;Sites de graphiques</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Charts open</source>
        <translation>Ouvrir les graphiques</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Also write a one-&amp;page chart browser (index.html)</source>
        <translation>Écrire aussi un navigateur de graphiques d&apos;une seule &amp;page (index.html)</translation>
    </message>
    <message>
        <source>Charts &amp;open</source>
        <translation>&amp;Ouvrir les graphiques</translation>
    </message>
    <message>
        <source>E&amp;nabled</source>
        <translation>Acti&amp;vé</translation>
    </message>
    <message>
        <source>There can be at most %1 chart sites besides the four built-in ones.</source>
        <translation>Il ne peut y avoir plus de %1 sites de graphiques en plus des quatre sites intégrés.</translation>
    </message>
    <message>
        <source>Remove the chart site &quot;%1&quot;?</source>
        <translation>Retirer le site de graphiques «&#xa0;%1&#xa0;» ?</translation>
    </message>
    <message>
        <source>There is no stock to try the chart site with.</source>
        <translation>Il n&apos;y a aucune action avec laquelle essayer le site de graphiques.</translation>
    </message>
    <message>
        <source>Symbol &amp;forms…</source>
        <translation>&amp;Formes du symbole…</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>A&amp;jouter…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>Mod&amp;ifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Try</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
</context>
<context>
    <name>ChartSitesDraft</name>
    <message>
        <source>&quot;%1&quot; is the initial page. Choose another initial page in the general options before removing it.</source>
        <translation>&quot;%1&quot; est la page de départ. Choisissez une autre page de départ dans les options générales avant de le supprimer.</translation>
    </message>
    <message>
        <source>You must enable the web site used for the initial page</source>
        <translation>Vous devez activer le site web utilisé pour la page de départ</translation>
    </message>
</context>
<context>
    <name>ColorSample</name>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write the web pages of every enabled chart site and exit.</source>
        <translation>Écrit les pages web de chaque site de graphiques activé, puis quitte.</translation>
    </message>
    <message>
        <source>Write the settings to a registry script FILE (&quot;-&quot;: standard output).</source>
        <translation>Écrit les paramètres dans un script de registre FICHIER (&quot;-&quot; : sortie standard).</translation>
    </message>
    <message>
        <source>Replace the stored settings by those of a registry script FILE.</source>
        <translation>Remplace les paramètres enregistrés par ceux d&apos;un script de registre FICHIER.</translation>
    </message>
    <message>
        <source>Add the stocks of a list FILE (&quot;-&quot;: standard input) to the stored list, without a preview: CSV with a header line, a watchlist or plain symbols.</source>
        <translation>Ajoute les actions d&apos;un fichier de liste FICHIER (&quot;-&quot; : entrée standard) à la liste enregistrée, sans aperçu : CSV avec une ligne d&apos;en-tête, liste de surveillance ou simples symboles.</translation>
    </message>
    <message>
        <source>Write the stored list as CSV to FILE (&quot;-&quot;: standard output).</source>
        <translation>Écrit la liste enregistrée au format CSV dans FICHIER (&quot;-&quot; : sortie standard).</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The placeholder --help shows for a file name; the option descriptions use it too.</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Try &apos;tickvane --help&apos;.</source>
        <translation>Essayez &apos;tickvane --help&apos;.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>%1 is a list of options separated by commas, %2 the last option.</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Keeps a list of stocks and writes web pages of chart links for them:
pages for every enabled chart site, the four built-in ones and those
made from address templates.
Without options it opens the window.</source>
        <translation>Gère une liste d&apos;actions et écrit pour elles des pages web de liens vers
des graphiques : pages de chaque site de graphiques activé, des quatre
sites intégrés et de ceux faits de modèles d&apos;adresse.
Sans option, ouvre la fenêtre.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide, puis quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version, puis quitte.</translation>
    </message>
    <message>
        <source>Use FILE as the settings store instead of %1.</source>
        <extracomment>%1 is the settings file used when --settings is not given.</extracomment>
        <translation>Utilise FICHIER comme fichier de paramètres au lieu de %1.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when a command fails (the reason is on standard error);
2 when the command line is wrong; %1 when --add-list refused rows and added the others.</source>
        <extracomment>%1 is the exit status of an --add-list that refused rows.</extracomment>
        <translation>Code de sortie : 0 en cas de succès; 1 si une commande échoue (la raison est sur la
sortie d&apos;erreur); 2 si la ligne de commande est erronée; %1 si --add-list a refusé
des lignes et ajouté les autres.</translation>
    </message>
    <message>
        <source>Give at most one of %1, and no other arguments.</source>
        <translation>Donnez au plus une des options %1, et aucun autre argument.</translation>
    </message>
    <message>
        <source>The settings file has no name: give --settings a FILE.</source>
        <translation>Le fichier de paramètres n&apos;a pas de nom : donnez un FICHIER à --settings.</translation>
    </message>
</context>
<context>
    <name>CsvRecords</name>
    <message>
        <source>a quote in the wrong place</source>
        <translation>un guillemet mal placé</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>un guillemet jamais fermé</translation>
    </message>
</context>
<context>
    <name>CustomUrlDialog</name>
    <message>
        <source>Custom URLs</source>
        <translation>URL personnalisées</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Comportement</translation>
    </message>
    <message>
        <source>First custom URL</source>
        <translation>Première URL personnalisée</translation>
    </message>
    <message>
        <source>D&amp;escription</source>
        <translation>&amp;Description</translation>
    </message>
    <message>
        <source>&amp;URL</source>
        <translation>&amp;URL</translation>
    </message>
    <message>
        <source>D&amp;isable</source>
        <translation>Désacti&amp;ver</translation>
    </message>
    <message>
        <source>&amp;Open in frame</source>
        <translation>&amp;Ouvrir dans le cadre</translation>
    </message>
    <message>
        <source>Open &amp;new window</source>
        <translation>Ouvrir dans une &amp;nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Second custom URL</source>
        <translation>Deuxième URL personnalisée</translation>
    </message>
    <message>
        <source>De&amp;scription</source>
        <translation>D&amp;escription</translation>
    </message>
    <message>
        <source>U&amp;RL</source>
        <translation>U&amp;RL</translation>
    </message>
    <message>
        <source>Di&amp;sable</source>
        <translation>Dé&amp;sactiver</translation>
    </message>
    <message>
        <source>Open in fr&amp;ame</source>
        <translation>Ouvrir dans le &amp;cadre</translation>
    </message>
    <message>
        <source>Open new &amp;window</source>
        <translation>Ouvrir dans une nouvelle &amp;fenêtre</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Move up</source>
        <translation>Déplacer vers le haut</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Déplacer vers le bas</translation>
    </message>
    <message>
        <source>Please delete or move stocks under this type before deleting type</source>
        <translation>Veuillez supprimer ou déplacer les actions de cette catégorie avant de la supprimer</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Followed by the name of the step, as in &quot;Undo Move up&quot;.</extracomment>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Followed by the name of the step, as in &quot;Redo Move up&quot;.</extracomment>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Paste stocks</source>
        <translation>&amp;Coller les actions</translation>
    </message>
    <message>
        <source>&amp;Sort type by symbol</source>
        <translation>&amp;Trier la catégorie par symbole</translation>
    </message>
    <message>
        <source>Sort type by symbol</source>
        <translation>Trier la catégorie par symbole</translation>
    </message>
    <message>
        <source>Sort type by &amp;description</source>
        <translation>Trier la catégorie par &amp;description</translation>
    </message>
    <message>
        <source>Sort type by description</source>
        <translation>Trier la catégorie par description</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>Rec&amp;hercher…</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Registration files (*.reg);;All files (*)</source>
        <translation>Fichiers de registre (*.reg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The settings file %1 was changed outside Tickvane since it was loaded. Replace it with the settings shown here?</source>
        <translation>Le fichier de paramètres %1 a été modifié hors de Tickvane depuis son chargement. Le remplacer par les paramètres affichés ici ?</translation>
    </message>
    <message>
        <source>Are your sure you want to revert to default settings and delete your list of stocks?  This action cannot be undone.</source>
        <translation>Voulez-vous vraiment revenir aux paramètres par défaut et supprimer votre liste d&apos;actions ? Cette action est irréversible.</translation>
    </message>
    <message>
        <source>Export complete.</source>
        <translation>Exportation terminée.</translation>
    </message>
    <message>
        <source>Warning: settings and stock list will entered into the Windows registry.  Any existing settings will be overwritten even if you do not later save settings.  Do you want to do this?</source>
        <translation>Attention : les paramètres et la liste d&apos;actions vont être inscrits dans le registre Windows. Les paramètres existants seront écrasés, même si vous n&apos;enregistrez pas les paramètres ensuite. Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>Settings have been changed, save before exiting?</source>
        <translation>Les paramètres ont été modifiés. Les enregistrer avant de quitter ?</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Symbol or description</source>
        <translation>Symbole ou description</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Enter or F3: next match, Shift+F3: previous, Escape: close</source>
        <translation>Entrée ou F3 : occurrence suivante, Maj+F3 : précédente, Échap : fermer</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Close (Escape)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune occurrence</translation>
    </message>
</context>
<context>
    <name>FixedDialog</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Appliquer les modifications</translation>
    </message>
</context>
<context>
    <name>GeneralOptionsDialog</name>
    <message>
        <source>General options</source>
        <translation>Options générales</translation>
    </message>
    <message>
        <source>Web sites enabled</source>
        <translation>Sites web activés</translation>
    </message>
    <message>
        <source>Initial page points to</source>
        <translation>La page de départ mène à</translation>
    </message>
    <message>
        <source>Own site of the initial page</source>
        <translation>Site personnel de la page de départ</translation>
    </message>
    <message>
        <source>Path for HTML &amp;files</source>
        <translation>&amp;Chemin des fichiers HTML</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Pa&amp;rcourir</translation>
    </message>
    <message>
        <source>Navigation frame colors</source>
        <translation>Couleurs du cadre de navigation</translation>
    </message>
    <message>
        <source>Use bro&amp;wser default</source>
        <translation>&amp;Défaut du navigateur</translation>
    </message>
    <message>
        <source>Set &amp;text color</source>
        <translation>Couleur du t&amp;exte</translation>
    </message>
    <message>
        <source>Set back&amp;ground color</source>
        <translation>Couleur du &amp;fond</translation>
    </message>
    <message>
        <source>Additional options</source>
        <translation>Options supplémentaires</translation>
    </message>
    <message>
        <source>Navigation frame width = %1%</source>
        <extracomment>%1 is the width in percent of the page</extracomment>
        <translation>Largeur du cadre de navigation = %1 %</translation>
    </message>
    <message>
        <source>HTML files (*.htm *.html);;All files (*)</source>
        <translation>Fichiers HTML (*.htm *.html);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Use &amp;uppercase for new stock symbols</source>
        <translation>&amp;Utiliser des majuscules pour les symboles des nouvelles actions</translation>
    </message>
    <message>
        <source>No &amp;line wraps in navigation frame</source>
        <translation>Pas de retour à la &amp;ligne dans le cadre de navigation</translation>
    </message>
    <message>
        <source>&amp;Save main form position and size</source>
        <translation>Enregi&amp;strer la position et la taille de la fenêtre principale</translation>
    </message>
    <message>
        <source>Ow&amp;n site</source>
        <translation>Perso&amp;nnel</translation>
    </message>
</context>
<context>
    <name>GeneratePages</name>
    <message>
        <source>Pages generated.</source>
        <translation>Pages web générées.</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The documentation %1 was not found in %2 nor where Tickvane is installed.</source>
        <extracomment>%1 is the documentation&apos;s file name, %2 the folder of the web pages.</extracomment>
        <translation>La documentation %1 n&apos;a été trouvée ni dans %2 ni là où Tickvane est installé.</translation>
    </message>
</context>
<context>
    <name>HtmlDirPath</name>
    <message>
        <source>The path for HTML files is empty. Please enter the folder the web pages are to be written to.</source>
        <translation>Le chemin des fichiers HTML est vide. Veuillez saisir le dossier où écrire les pages web.</translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; is not a full path. Please enter a path that starts with &quot;/&quot;, or with &quot;~/&quot; for your home folder.</source>
        <translation>Le chemin des fichiers HTML &quot;%1&quot; n&apos;est pas un chemin complet. Veuillez saisir un chemin qui commence par &quot;/&quot;, ou par &quot;~/&quot; pour votre dossier personnel.</translation>
    </message>
    <message>
        <source>The path for HTML files &quot;%1&quot; names a file, not a folder.</source>
        <translation>Le chemin des fichiers HTML &quot;%1&quot; désigne un fichier, pas un dossier.</translation>
    </message>
</context>
<context>
    <name>IniSettingsStore</name>
    <message>
        <source>Could not read the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be read.</extracomment>
        <translation>Impossible de lire le fichier de paramètres &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>Could not write the settings file &quot;%1&quot;: %2.</source>
        <extracomment>%1 is the settings file, %2 why it could not be written.</extracomment>
        <translation>Impossible d&apos;écrire le fichier de paramètres &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>Some lines of the settings file %1 could not be read; the settings that could be read were used.</source>
        <translation>Certaines lignes du fichier de paramètres %1 n&apos;ont pas pu être lues; les paramètres lisibles ont été utilisés.</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>Limits</name>
    <message numerus="yes">
        <source>Sorry, you have reached the (arbitrary) limit of %n types.  If this limit is a problem, please contact the author.</source>
        <translation>
            <numerusform>Désolé, vous avez atteint la limite (arbitraire) de %n catégorie. Si cette limite vous gêne, veuillez contacter l&apos;auteur.</numerusform>
            <numerusform>Désolé, vous avez atteint la limite (arbitraire) de %n catégories. Si cette limite vous gêne, veuillez contacter l&apos;auteur.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sorry, you have reached the (arbitrary) limit of %n stocks.  If this limit is a problem, please contact the author.</source>
        <translation>
            <numerusform>Désolé, vous avez atteint la limite (arbitraire) de %n action. Si cette limite vous gêne, veuillez contacter l&apos;auteur.</numerusform>
            <numerusform>Désolé, vous avez atteint la limite (arbitraire) de %n actions. Si cette limite vous gêne, veuillez contacter l&apos;auteur.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LinkableAddress</name>
    <message>
        <source>%1 does not start with http://, https://, ftp://, mailto: or file:, so the pages show the description without a link.</source>
        <extracomment>%1 is &quot;This address&quot; or a setting and the file it is in</extracomment>
        <translation>%1 ne commence pas par http://, https://, ftp://, mailto: ou file:, les pages affichent donc la description sans lien.</translation>
    </message>
</context>
<context>
    <name>ListAddition</name>
    <message numerus="yes">
        <source>%n new type</source>
        <translation>
            <numerusform>%n nouvelle catégorie</numerusform>
            <numerusform>%n nouvelles catégories</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new types</source>
        <translation>
            <numerusform>%n nouvelle catégorie</numerusform>
            <numerusform>%n nouvelles catégories</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate</source>
        <translation>
            <numerusform>%n doublon</numerusform>
            <numerusform>%n doublons</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates</source>
        <translation>
            <numerusform>%n doublon</numerusform>
            <numerusform>%n doublons</numerusform>
        </translation>
    </message>
    <message>
        <source>symbol</source>
        <extracomment>a field of a row, named in &quot;%1 longer than ...&quot; and &quot;shorten the %1 ...&quot;</extracomment>
        <translation>le symbole</translation>
    </message>
    <message>
        <source>description</source>
        <translation>la description</translation>
    </message>
    <message>
        <source>web page</source>
        <translation>la page web</translation>
    </message>
    <message>
        <source>exchange</source>
        <translation>la bourse</translation>
    </message>
    <message>
        <source>type name</source>
        <translation>le nom de catégorie</translation>
    </message>
    <message>
        <source>symbol at %1</source>
        <extracomment>%1 is the name of a chart site</extracomment>
        <translation>le symbole chez %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 longer than %n characters</source>
        <extracomment>%1 is the field, such as &quot;description&quot;</extracomment>
        <translation>
            <numerusform>%1 dépasse %n caractère</numerusform>
            <numerusform>%1 dépasse %n caractères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>shorten the %1 to at most %n characters</source>
        <extracomment>what would make the row one to add; %1 is the field, such as &quot;description&quot;</extracomment>
        <translation>
            <numerusform>raccourcissez %1 à %n caractère au plus</numerusform>
            <numerusform>raccourcissez %1 à %n caractères au plus</numerusform>
        </translation>
    </message>
    <message>
        <source>no symbol</source>
        <translation>aucun symbole</translation>
    </message>
    <message>
        <source>give it a symbol</source>
        <extracomment>what would make the row one to add</extracomment>
        <translation>donnez-lui un symbole</translation>
    </message>
    <message>
        <source>unknown exchange &quot;%1&quot;</source>
        <translation>bourse inconnue &quot;%1&quot;</translation>
    </message>
    <message>
        <source>write its exchange as a market identifier code (XLON) or a chart site&apos;s name for it (LSE)</source>
        <extracomment>what would make the row one to add</extracomment>
        <translation>écrivez sa bourse sous forme de code d&apos;identification de marché (XLON) ou du nom qu&apos;un site de graphiques lui donne (LSE)</translation>
    </message>
    <message numerus="yes">
        <source>%n added, %1, %2, %3 refused</source>
        <extracomment>%n stocks; %1 and %2 count the new types and the duplicates</extracomment>
        <translation>
            <numerusform>%n ajoutée, %1, %2, refusées : %3</numerusform>
            <numerusform>%n ajoutées, %1, %2, refusées : %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to add, %1, %2, %3 refused</source>
        <translation>
            <numerusform>%n à ajouter, %1, %2, refusées : %3</numerusform>
            <numerusform>%n à ajouter, %1, %2, refusées : %3</numerusform>
        </translation>
    </message>
    <message>
        <source>add</source>
        <extracomment>what happens to the row: the stock is added</extracomment>
        <translation>ajouter</translation>
    </message>
    <message>
        <source>add, new type</source>
        <translation>ajouter, nouvelle catégorie</translation>
    </message>
    <message>
        <source>new type</source>
        <translation>nouvelle catégorie</translation>
    </message>
    <message>
        <source>duplicate, skipped</source>
        <translation>doublon, ignoré</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <extracomment>%1 is why, such as &quot;no symbol&quot;</extracomment>
        <translation>refusée : %1</translation>
    </message>
    <message>
        <source>%1. To add this row, %2 in the list and bring it in again.</source>
        <extracomment>%1 is what happens to the row, %2 what would make it one to add</extracomment>
        <translation>%1. Pour ajouter cette ligne, %2 dans la liste et importez-la de nouveau.</translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more stock, not %1 (it holds at most %2).</source>
        <extracomment>%1 is how many the list names, %2 the most the list holds</extracomment>
        <translation>
            <numerusform>La liste n&apos;a de place que pour %n action de plus, pas %1 (elle en contient au plus %2).</numerusform>
            <numerusform>La liste n&apos;a de place que pour %n actions de plus, pas %1 (elle en contient au plus %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more stocks, not %1 (it holds at most %2).</source>
        <translation>
            <numerusform>La liste n&apos;a de place que pour %n action de plus, pas %1 (elle en contient au plus %2).</numerusform>
            <numerusform>La liste n&apos;a de place que pour %n actions de plus, pas %1 (elle en contient au plus %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more type, not %1 (it holds at most %2).</source>
        <extracomment>%1 is how many the list names, %2 the most the list holds</extracomment>
        <translation>
            <numerusform>La liste n&apos;a de place que pour %n catégorie de plus, pas %1 (elle en contient au plus %2).</numerusform>
            <numerusform>La liste n&apos;a de place que pour %n catégories de plus, pas %1 (elle en contient au plus %2).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has room for %n more types, not %1 (it holds at most %2).</source>
        <translation>
            <numerusform>La liste n&apos;a de place que pour %n catégorie de plus, pas %1 (elle en contient au plus %2).</numerusform>
            <numerusform>La liste n&apos;a de place que pour %n catégories de plus, pas %1 (elle en contient au plus %2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is added.</source>
        <translation>Rien n&apos;est ajouté.</translation>
    </message>
</context>
<context>
    <name>ListBatch</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is what happened to a row, %2 the row&apos;s symbol, type or description.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>%1 is the list file, %2 the line number, %3 what happened to the row.</extracomment>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the list file, %2 why none of its rows can be added.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>column %1, %2 again, not read</source>
        <extracomment>%1 is the column&apos;s number, %2 the name its header gives it, such as Symbol</extracomment>
        <translation>colonne %1 : %2 en double, non lue</translation>
    </message>
</context>
<context>
    <name>ListFile</name>
    <message>
        <source>is a folder, not a file</source>
        <translation>est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>is a named pipe, not a file</source>
        <translation>est un tube nommé, pas un fichier</translation>
    </message>
    <message>
        <source>is a socket, not a file</source>
        <translation>est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>is a device, not a file</source>
        <translation>est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>could not be read: %1</source>
        <extracomment>follows the file&apos;s name; %1 is the system&apos;s reason</extracomment>
        <translation>est illisible : %1</translation>
    </message>
    <message>
        <source>is larger than 64 MiB, so it is not a list of stocks</source>
        <translation>dépasse 64 Mio, ce n&apos;est donc pas une liste d&apos;actions</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>L&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1, line %2: %3.</source>
        <extracomment>%1 is the list&apos;s source, %2 a line number, %3 what is wrong there</extracomment>
        <translation>%1, ligne %2 : %3.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>%1 is the list&apos;s source, %2 what is wrong with it, such as &quot;holds no stock symbols&quot;</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <extracomment>%1 is a file&apos;s name, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>Added</source>
        <extracomment>The name of the type (category of stocks) that rows read from standard input go to.</extracomment>
        <translation>Ajoutées</translation>
    </message>
</context>
<context>
    <name>ListFileCommands</name>
    <message>
        <source>Lists (*.csv *.txt);;All files (*)</source>
        <translation>Listes (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The pasted text</source>
        <translation>Le texte collé</translation>
    </message>
    <message>
        <source>Pasted</source>
        <extracomment>The name proposed for a new type (category of stocks) of pasted rows.</extracomment>
        <translation>Collées</translation>
    </message>
    <message>
        <source>The dropped text</source>
        <translation>Le texte déposé</translation>
    </message>
    <message>
        <source>Dropped</source>
        <extracomment>The name proposed for a new type (category of stocks) of dropped rows.</extracomment>
        <translation>Déposées</translation>
    </message>
</context>
<context>
    <name>ListPreview</name>
    <message>
        <source>Add stocks from a list</source>
        <translation>Ajouter des actions depuis une liste</translation>
    </message>
    <message>
        <source>&amp;Type for rows that name none</source>
        <extracomment>the type (category) rows without one are added to</extracomment>
        <translation>&amp;Catégorie des lignes qui n&apos;en indiquent aucune</translation>
    </message>
    <message>
        <source>&amp;Rows</source>
        <translation>&amp;Lignes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <extracomment>the button that adds the rows</extracomment>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Add the rows marked add</source>
        <translation>Ajouter les lignes marquées pour l&apos;ajout</translation>
    </message>
    <message>
        <source>%1 (new)</source>
        <extracomment>%1 is the name of the type the rows will make</extracomment>
        <translation>%1 (nouvelle)</translation>
    </message>
</context>
<context>
    <name>ListPreviewTable</name>
    <message>
        <source>Line</source>
        <extracomment>the column of the rows&apos; line numbers in the list</extracomment>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Type</source>
        <extracomment>the column of the type (category) each row goes to</extracomment>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Ce qui se passe</translation>
    </message>
    <message>
        <source>Exchange</source>
        <extracomment>the column of the market each row&apos;s stock trades on</extracomment>
        <translation>Bourse</translation>
    </message>
</context>
<context>
    <name>ListReader</name>
    <message numerus="yes">
        <source>more than %n rows</source>
        <extracomment>why a list is not read, after the line it stops at</extracomment>
        <translation>
            <numerusform>plus de %n ligne</numerusform>
            <numerusform>plus de %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>holds the control character U+%1, so it is not a list</source>
        <extracomment>follows the list&apos;s source, such as the file&apos;s name; %1 is a hexadecimal code</extracomment>
        <translation>contient le caractère de contrôle U+%1, ce n&apos;est donc pas une liste</translation>
    </message>
    <message>
        <source>the header names no symbol column (Symbol, Ticker or Code)</source>
        <extracomment>Symbol, Ticker and Code are the headers a list may name its symbol column by</extracomment>
        <translation>l&apos;en-tête ne nomme aucune colonne de symbole (Symbol, Ticker ou Code)</translation>
    </message>
    <message>
        <source>holds no stock symbols</source>
        <extracomment>follows the list&apos;s source, such as the file&apos;s name</extracomment>
        <translation>ne contient aucun symbole d&apos;action</translation>
    </message>
</context>
<context>
    <name>ListSnapshot</name>
    <message>
        <source>The list changed while this dialog was open; nothing was changed.</source>
        <translation>La liste a changé pendant que cette fenêtre était ouverte; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move stock or category up</source>
        <translation>Monter l&apos;action ou la catégorie</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>De&amp;scendre</translation>
    </message>
    <message>
        <source>Move stock or category down</source>
        <translation>Descendre l&apos;action ou la catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Mod&amp;ifier</translation>
    </message>
    <message>
        <source>Edit highlighted stock or category</source>
        <translation>Modifier l&apos;action ou la catégorie sélectionnée</translation>
    </message>
    <message>
        <source>Change &amp;type</source>
        <extracomment>Button: moves the highlighted stock to another type (category of stocks).</extracomment>
        <translation>&amp;Changer de
catégorie</translation>
    </message>
    <message>
        <source>Change category of highlighted stock</source>
        <translation>Changer la catégorie de l&apos;action sélectionnée</translation>
    </message>
    <message>
        <source>Add &amp;stock</source>
        <translation>Ajouter une
ac&amp;tion</translation>
    </message>
    <message>
        <source>Add a stock just below the currently highlighted item</source>
        <translation>Ajouter une action juste sous l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>&amp;Add type</source>
        <extracomment>Button: adds a type (a category of stocks).</extracomment>
        <translation>Ajouter une
catégo&amp;rie</translation>
    </message>
    <message>
        <source>Add a new category at the end of the list</source>
        <translation>Ajouter une nouvelle catégorie à la fin de la liste</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the highlighted item</source>
        <translation>Supprimer l&apos;élément sélectionné</translation>
    </message>
    <message>
        <source>&amp;Generate web pages</source>
        <translation>&amp;Générer les pages web</translation>
    </message>
    <message>
        <source>Generate web pages using current settings</source>
        <translation>Générer les pages web avec les paramètres actuels</translation>
    </message>
    <message>
        <source>Start default &amp;web browser</source>
        <translation>Ouvrir le navigateur &amp;web par défaut</translation>
    </message>
    <message>
        <source>Start the system-default web browser</source>
        <translation>Ouvrir le navigateur web par défaut du système</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save settings</source>
        <translation>&amp;Enregistrer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Clear settings</source>
        <translation>E&amp;ffacer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Export settings</source>
        <translation>E&amp;xporter les paramètres</translation>
    </message>
    <message>
        <source>&amp;Import settings</source>
        <translation>&amp;Importer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Add stocks from list…</source>
        <translation>&amp;Ajouter des actions depuis une liste…</translation>
    </message>
    <message>
        <source>Save list as CS&amp;V…</source>
        <translation>Enregistrer la liste en CS&amp;V…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Ed&amp;it</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;View documentation</source>
        <translation>Afficher la &amp;documentation</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Generate
web pages</source>
        <extracomment>&quot;&amp;Generate web pages&quot; broken over two lines.</extracomment>
        <translation>&amp;Générer les
pages web</translation>
    </message>
    <message>
        <source>Start default
&amp;web browser</source>
        <extracomment>&quot;Start default &amp;web browser&quot; broken over two lines.</extracomment>
        <translation>Ouvrir le navigateur
&amp;web par défaut</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>Could not open %1: the desktop has no program for this kind of file, or the program failed to start.</source>
        <translation>Impossible d&apos;ouvrir %1 : le bureau n&apos;a aucun programme pour ce type de fichier, ou le programme n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Could not open %1: the desktop has no web browser, or it failed to start.</source>
        <translation>Impossible d&apos;ouvrir %1 : le bureau n&apos;a aucun navigateur web, ou il n&apos;a pas pu démarrer.</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Générales</translation>
    </message>
    <message>
        <source>&amp;Custom URLs</source>
        <translation>&amp;URL personnalisées</translation>
    </message>
    <message>
        <source>Chart &amp;sites</source>
        <translation>&amp;Sites de graphiques</translation>
    </message>
</context>
<context>
    <name>PageCommands</name>
    <message>
        <source>Warning: you have entered changes but have not regenerated web pages.  Do you want to regenerate first?</source>
        <translation>Attention : vous avez fait des modifications sans régénérer les pages web. Voulez-vous d&apos;abord les régénérer ?</translation>
    </message>
    <message>
        <source>Initial web page not found.  Please generate web pages and retry.</source>
        <translation>Page web de départ introuvable. Veuillez générer les pages web et réessayer.</translation>
    </message>
</context>
<context>
    <name>PageFiles</name>
    <message>
        <source>No folder has been chosen for the pages.</source>
        <translation>Aucun dossier n&apos;a été choisi pour les pages.</translation>
    </message>
    <message>
        <source>Could not create the folder &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le dossier &quot;%1&quot; : %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : %2</translation>
    </message>
</context>
<context>
    <name>PresetChooser</name>
    <message>
        <source>Add a chart site</source>
        <translation>Ajouter un site de graphiques</translation>
    </message>
    <message>
        <source>&amp;Start from</source>
        <translation>&amp;Partir de</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Address template</source>
        <translation>Modèle d&apos;adresse</translation>
    </message>
    <message>
        <source>Blank site</source>
        <translation>Site vierge</translation>
    </message>
    <message>
        <source>The presets are the sites&apos; public address forms as they were documented; Tickvane cannot check them without going on the network. Try a site once it is added.</source>
        <translation>Les préréglages sont les formes d&apos;adresse publiques des sites, telles qu&apos;elles étaient documentées. Tickvane ne peut pas les vérifier sans aller sur le réseau. Essayez un site une fois qu&apos;il est ajouté.</translation>
    </message>
</context>
<context>
    <name>RegistryScript</name>
    <message>
        <source>line %1 is not a complete value</source>
        <translation>la ligne %1 n&apos;est pas une valeur complète</translation>
    </message>
    <message>
        <source>holds no Tickvane settings</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation>il ne contient aucun paramètre de Tickvane</translation>
    </message>
    <message>
        <source>not a registry script</source>
        <extracomment>Why a file is not a settings script of Tickvane.</extracomment>
        <translation>ce n&apos;est pas un script de registre</translation>
    </message>
    <message>
        <source>The line breaks in %1 of section %2 were written as blanks.</source>
        <extracomment>%1 is a key of the settings, %2 its section.</extracomment>
        <translation>Les sauts de ligne de %1 dans la section %2 ont été écrits comme des espaces.</translation>
    </message>
</context>
<context>
    <name>ScriptImport</name>
    <message>
        <source>line %1: the value of %2 is not a text</source>
        <extracomment>%1 is a line of the registry script, %2 a key of the settings.</extracomment>
        <translation>ligne %1 : la valeur de %2 n&apos;est pas un texte</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings.</extracomment>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation>%1 &quot;%2&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings, %2 its value.</extracomment>
        <translation>%1 %2 dépasse la capacité</translation>
    </message>
    <message>
        <source>Maxtypes %1 and Maxstocks %2 name %3, which is missing</source>
        <extracomment>Maxtypes and Maxstocks are keys of the settings; %3 is a key of a stock or type.</extracomment>
        <translation>Maxtypes %1 et Maxstocks %2 désignent %3, qui est absent</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a key of the settings, %2 what is wrong with its value.</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>SessionRecovery</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2. The changes that are not saved are kept only in this window.</source>
        <extracomment>%1 is the recovery file, %2 the reason the write failed.</extracomment>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : %2. Les modifications non enregistrées ne sont conservées que dans cette fenêtre.</translation>
    </message>
    <message>
        <source>Tickvane was not closed properly. Restore the changes that were not saved?</source>
        <translation>Tickvane n&apos;a pas été fermé correctement. Restaurer les modifications non enregistrées ?</translation>
    </message>
    <message>
        <source>The settings file %1 was changed since those changes were made; restoring them replaces its changes when you save.</source>
        <translation>Le fichier de paramètres %1 a changé depuis ces modifications; les restaurer remplace ses changements à l&apos;enregistrement.</translation>
    </message>
</context>
<context>
    <name>SingleWindow</name>
    <message>
        <source>Tickvane is already open with %1.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tickvane est déjà ouvert avec %1.</translation>
    </message>
</context>
<context>
    <name>SiteTable</name>
    <message>
        <source>&amp;BigCharts</source>
        <translation>&amp;BigCharts</translation>
    </message>
    <message>
        <source>&amp;Big Charts</source>
        <translation>&amp;Big Charts</translation>
    </message>
    <message>
        <source>B&amp;ig Charts</source>
        <translation>B&amp;ig Charts</translation>
    </message>
    <message>
        <source>Symbol at &amp;Big Charts</source>
        <translation>Symbole chez &amp;Big Charts</translation>
    </message>
    <message>
        <source>Stock&amp;Master</source>
        <translation>Stock&amp;Master</translation>
    </message>
    <message>
        <source>StockM&amp;aster</source>
        <translation>Stoc&amp;kMaster</translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Master</source>
        <translation>Symbole chez Stock&amp;Master</translation>
    </message>
    <message>
        <source>Stock&amp;Point</source>
        <translation>Stock&amp;Point</translation>
    </message>
    <message>
        <source>StockP&amp;oint</source>
        <translation>StockP&amp;oint</translation>
    </message>
    <message>
        <source>Symbol at Stock&amp;Point</source>
        <translation>Symbole chez Stock&amp;Point</translation>
    </message>
    <message>
        <source>&amp;Yahoo</source>
        <translation>&amp;Yahoo</translation>
    </message>
    <message>
        <source>Ya&amp;hoo</source>
        <translation>Ya&amp;hoo</translation>
    </message>
    <message>
        <source>Symbol at &amp;Yahoo</source>
        <translation>Symbole chez &amp;Yahoo</translation>
    </message>
</context>
<context>
    <name>StockEditor</name>
    <message>
        <source>New or updated stock</source>
        <translation>Action nouvelle ou modifiée</translation>
    </message>
    <message>
        <source>Default &amp;symbol</source>
        <translation>&amp;Symbole par défaut</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock belongs to</extracomment>
        <translation>&amp;Catégorie</translation>
    </message>
    <message>
        <source>&amp;Name or description</source>
        <translation>&amp;Nom ou description</translation>
    </message>
    <message>
        <source>&amp;Web page</source>
        <translation>Page &amp;web</translation>
    </message>
    <message>
        <source>E&amp;xchange</source>
        <translation>B&amp;ourse</translation>
    </message>
    <message>
        <source>Company web site or other URL</source>
        <translation>Site web de la société ou autre URL</translation>
    </message>
    <message>
        <source>The market the stock trades on, such as XLON: chart sites with a symbol form for it make their symbol for the stock from it</source>
        <translation>Le marché où l&apos;action est cotée, par exemple XLON : les sites de graphiques qui ont une forme du symbole pour ce marché en tirent le symbole de l&apos;action</translation>
    </message>
    <message>
        <source>Fill these in if different sites use different symbols</source>
        <translation>À remplir si des sites utilisent des symboles différents</translation>
    </message>
    <message>
        <source>You must define at least one type before adding stocks</source>
        <translation>Vous devez définir au moins une catégorie avant d&apos;ajouter des actions</translation>
    </message>
    <message>
        <source>Use change type button on main screen to change type of an existing stock</source>
        <translation>Utilisez le bouton Changer de catégorie de la fenêtre principale pour changer la catégorie d&apos;une action existante</translation>
    </message>
    <message>
        <source>You must enter both a default symbol and a description.</source>
        <translation>Vous devez saisir un symbole par défaut et une description.</translation>
    </message>
</context>
<context>
    <name>StockList</name>
    <message>
        <source>Maxtypes %1 outside the capacity</source>
        <extracomment>Maxtypes is the name of a setting in the stored file; keep it</extracomment>
        <translation>Maxtypes %1 hors de la capacité</translation>
    </message>
    <message>
        <source>Maxstocks %1 outside the capacity</source>
        <extracomment>Maxstocks is the name of a setting in the stored file; keep it</extracomment>
        <translation>Maxstocks %1 hors de la capacité</translation>
    </message>
    <message>
        <source>type %1 range %2..%3 does not start at %4</source>
        <translation>la plage %2..%3 de la catégorie %1 ne commence pas à %4</translation>
    </message>
    <message>
        <source>types end at stock %1 but Maxstocks is %2</source>
        <extracomment>Maxstocks is the name of a setting in the stored file; keep it</extracomment>
        <translation>les catégories finissent à l&apos;action %1 mais Maxstocks vaut %2</translation>
    </message>
</context>
<context>
    <name>StockMaster</name>
    <message>
        <source>1 month</source>
        <translation>1 mois</translation>
    </message>
    <message>
        <source>2 months</source>
        <translation>2 mois</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>YTD</source>
        <translation>Depuis le 1er janvier</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 ans</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 ans</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>10 years</source>
        <translation>10 ans</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>% change</source>
        <translation>Variation en %</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Log+</source>
        <translation>Log+</translation>
    </message>
    <message>
        <source>Short</source>
        <translation>Court</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Detailed</source>
        <translation>Détaillé</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>Dow Industrials</source>
        <translation>Dow Industrials</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>TSE 300</source>
        <translation>TSE 300</translation>
    </message>
    <message>
        <source>EMA-5</source>
        <translation>EMA-5</translation>
    </message>
    <message>
        <source>EMA-12</source>
        <translation>EMA-12</translation>
    </message>
    <message>
        <source>EMA-13</source>
        <translation>EMA-13</translation>
    </message>
    <message>
        <source>EMA-20</source>
        <translation>EMA-20</translation>
    </message>
    <message>
        <source>EMA-26</source>
        <translation>EMA-26</translation>
    </message>
    <message>
        <source>EMA-50</source>
        <translation>EMA-50</translation>
    </message>
    <message>
        <source>EMA-200</source>
        <translation>EMA-200</translation>
    </message>
    <message>
        <source>SMA-5</source>
        <translation>SMA-5</translation>
    </message>
    <message>
        <source>SMA-12</source>
        <translation>SMA-12</translation>
    </message>
    <message>
        <source>SMA-13</source>
        <translation>SMA-13</translation>
    </message>
    <message>
        <source>SMA-20</source>
        <translation>SMA-20</translation>
    </message>
    <message>
        <source>SMA-26</source>
        <translation>SMA-26</translation>
    </message>
    <message>
        <source>SMA-50</source>
        <translation>SMA-50</translation>
    </message>
    <message>
        <source>SMA-200</source>
        <translation>SMA-200</translation>
    </message>
    <message>
        <source>MA envelopes</source>
        <translation>Enveloppes de moyennes mobiles</translation>
    </message>
    <message>
        <source>Bollinger bands</source>
        <translation>Bandes de Bollinger</translation>
    </message>
    <message>
        <source>Volume by price</source>
        <translation>Volume par prix</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Volume+</source>
        <translation>Volume+</translation>
    </message>
    <message>
        <source>MACD</source>
        <translation>MACD</translation>
    </message>
    <message>
        <source>OBV</source>
        <translation>OBV</translation>
    </message>
    <message>
        <source>Momentum</source>
        <translation>Momentum</translation>
    </message>
    <message>
        <source>Williams %R</source>
        <translation>Williams %R</translation>
    </message>
    <message>
        <source>RSI</source>
        <translation>RSI</translation>
    </message>
    <message>
        <source>Fast stochastic</source>
        <translation>Stochastique rapide</translation>
    </message>
    <message>
        <source>Slow stochastic</source>
        <translation>Stochastique lente</translation>
    </message>
    <message>
        <source>OHLC</source>
        <translation>OHLC</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Clôture</translation>
    </message>
    <message>
        <source>HLC</source>
        <translation>HLC</translation>
    </message>
    <message>
        <source>Mountains</source>
        <translation>Montagnes</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Marches</translation>
    </message>
    <message>
        <source>Candles</source>
        <translation>Chandeliers</translation>
    </message>
    <message>
        <source>Candles+</source>
        <translation>Chandeliers+</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Tall</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>2 column</source>
        <translation>2 colonnes</translation>
    </message>
    <message>
        <source>3 column</source>
        <translation>3 colonnes</translation>
    </message>
    <message>
        <source>Stacked</source>
        <translation>Empilé</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Technical</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Basics</source>
        <translation>Réglages de base</translation>
    </message>
    <message>
        <source>&amp;Time frame</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>&amp;Plot type</source>
        <translation>Type de &amp;graphique</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>É&amp;chelle</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>&amp;Quote detail</source>
        <translation>&amp;Détail du cours</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>P&amp;rice display</source>
        <translation>Affichage du cou&amp;rs</translation>
    </message>
    <message>
        <source>C&amp;hart size</source>
        <translation>Taille du grap&amp;hique</translation>
    </message>
    <message>
        <source>&amp;Menu type</source>
        <translation>Type de &amp;menu</translation>
    </message>
    <message>
        <source>Comparison and technical</source>
        <translation>Comparaison et analyse technique</translation>
    </message>
    <message>
        <source>Compare to &amp;index</source>
        <translation>Comparer à l&apos;&amp;indice</translation>
    </message>
    <message>
        <source>Moving average &amp;1</source>
        <translation>Moyenne mobile &amp;1</translation>
    </message>
    <message>
        <source>Moving average &amp;2</source>
        <translation>Moyenne mobile &amp;2</translation>
    </message>
    <message>
        <source>&amp;Upper chart indicator</source>
        <translation>Indicateur &amp;supérieur</translation>
    </message>
    <message>
        <source>&amp;Lower chart indicator</source>
        <translation>Indicateur in&amp;férieur</translation>
    </message>
    <message>
        <source>S&amp;ymbols</source>
        <translation>S&amp;ymboles</translation>
    </message>
    <message>
        <source>Show as d&amp;ecimals</source>
        <translation>Affich&amp;er en décimales</translation>
    </message>
    <message>
        <source>Sh&amp;ow splits</source>
        <translation>Afficher les fracti&amp;onnements</translation>
    </message>
    <message>
        <source>Show hi/lo&amp;w</source>
        <translation>Afficher haut/&amp;bas</translation>
    </message>
    <message>
        <source>StockMaster options</source>
        <translation>Options StockMaster</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Annuler les modifications</translation>
    </message>
</context>
<context>
    <name>StockPoint</name>
    <message>
        <source>Small (450x250)</source>
        <translation>Petite (450x250)</translation>
    </message>
    <message>
        <source>Medium (500x300)</source>
        <translation>Moyenne (500x300)</translation>
    </message>
    <message>
        <source>Large (600x400)</source>
        <translation>Grande (600x400)</translation>
    </message>
    <message>
        <source>Larger (640x480)</source>
        <translation>Plus grande (640x480)</translation>
    </message>
    <message>
        <source>Huge (800x600)</source>
        <translation>Très grande (800x600)</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1 semaine</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1 mois</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>6 months</source>
        <translation>6 mois</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>3 years</source>
        <translation>3 ans</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Candlestick</source>
        <translation>Chandeliers</translation>
    </message>
    <message>
        <source>Range bar</source>
        <translation>Barres d&apos;amplitude</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Dow Jones Industrials</source>
        <translation>Dow Jones Industrials</translation>
    </message>
    <message>
        <source>S&amp;P 500</source>
        <translation>S&amp;P 500</translation>
    </message>
    <message>
        <source>NASDAQ</source>
        <translation>NASDAQ</translation>
    </message>
    <message>
        <source>Russell 2000</source>
        <translation>Russell 2000</translation>
    </message>
    <message>
        <source>NYSE Composite</source>
        <translation>NYSE Composite</translation>
    </message>
    <message>
        <source>DJ Transportation</source>
        <translation>DJ Transportation</translation>
    </message>
    <message>
        <source>PSE Tech Index</source>
        <translation>PSE Tech Index</translation>
    </message>
    <message>
        <source>Plot &amp;Size</source>
        <translation>Tai&amp;lle du graphique</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>&amp;Plot Type</source>
        <translation>Type de &amp;graphique</translation>
    </message>
    <message>
        <source>Comparison &amp;Index</source>
        <translation>&amp;Indice de comparaison</translation>
    </message>
    <message>
        <source>Indicators</source>
        <translation>Indicateurs</translation>
    </message>
    <message>
        <source>Comparison s&amp;ymbols</source>
        <translation>S&amp;ymboles de comparaison</translation>
    </message>
    <message>
        <source>&amp;Moving averages (days)</source>
        <translation>&amp;Moyennes mobiles (jours)</translation>
    </message>
    <message>
        <source>&amp;Bollinger bands</source>
        <translation>&amp;Bandes de Bollinger</translation>
    </message>
    <message>
        <source>&amp;Relative strength</source>
        <translation>Force &amp;relative</translation>
    </message>
    <message>
        <source>Stoc&amp;hastics</source>
        <translation>Stoc&amp;hastiques</translation>
    </message>
    <message>
        <source>&amp;On balance volume</source>
        <translation>&amp;On balance volume</translation>
    </message>
    <message>
        <source>Price rate of chan&amp;ge</source>
        <translation>Ta&amp;ux de variation du cours</translation>
    </message>
    <message>
        <source>Moving &amp;average conv/div</source>
        <translation>&amp;Convergence/divergence des moyennes mobiles</translation>
    </message>
    <message>
        <source>&amp;Volume</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>StockPoint Options</source>
        <translation>Options StockPoint</translation>
    </message>
    <message>
        <source>Cancel changes</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>Times for moving averages must be numeric</source>
        <translation>Les durées des moyennes mobiles doivent être numériques</translation>
    </message>
</context>
<context>
    <name>StockTree</name>
    <message>
        <source>Stocks</source>
        <translation>Actions</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>The settings file &quot;%1&quot; is larger than 64 MiB, so it is not one of Tickvane and the defaults are used.</source>
        <translation>Le fichier de paramètres &quot;%1&quot; dépasse 64 Mio, ce n&apos;est donc pas un fichier de Tickvane et les paramètres par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>Nothing in the settings file &quot;%1&quot; could be read as settings of Tickvane, so the defaults are used.</source>
        <translation>Rien dans le fichier de paramètres &quot;%1&quot; n&apos;a pu être lu comme paramètres de Tickvane, les paramètres par défaut sont donc utilisés.</translation>
    </message>
    <message>
        <source>The file will be moved to &quot;%2&quot; when the settings are saved.</source>
        <extracomment>Follows the sentence that says why the settings file &quot;%1&quot; is not used; %2 is the name it is moved to.</extracomment>
        <translation>Le fichier sera déplacé vers &quot;%2&quot; à l&apos;enregistrement des paramètres.</translation>
    </message>
    <message>
        <source>Could not move the unusable settings file &quot;%1&quot; to &quot;%2&quot;: %3.</source>
        <translation>Impossible de déplacer le fichier de paramètres inutilisable &quot;%1&quot; vers &quot;%2&quot; : %3.</translation>
    </message>
    <message>
        <source>The unusable settings file was moved to &quot;%1&quot;.</source>
        <translation>Le fichier de paramètres inutilisable a été déplacé vers &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: it is the settings file itself.</source>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : c&apos;est le fichier de paramètres lui-même.</translation>
    </message>
    <message>
        <source>The text of %1 in %2 was not valid UTF-8, so some of its characters were lost.</source>
        <extracomment>%1 is a key of the settings file %2.</extracomment>
        <translation>Le texte de %1 dans %2 n&apos;était pas de l&apos;UTF-8 valide, certains de ses caractères ont donc été perdus.</translation>
    </message>
</context>
<context>
    <name>StorageScript</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>%1 is larger than 64 MiB, so it is not a settings script of Tickvane.</source>
        <translation>%1 dépasse 64 Mio, ce n&apos;est donc pas un script de paramètres de Tickvane.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2.</source>
        <translation>Impossible d&apos;écrire &quot;%1&quot; : %2.</translation>
    </message>
    <message>
        <source>%1 is not a settings script of Tickvane: %2.</source>
        <extracomment>%1 is the file, %2 why it is not a settings script.</extracomment>
        <translation>%1 n&apos;est pas un script de paramètres de Tickvane : %2.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2.</source>
        <extracomment>%1 is the file, %2 why it was not imported.</extracomment>
        <translation>%1 n&apos;a pas été importé : %2.</translation>
    </message>
    <message>
        <source>%1 holds no settings of Tickvane.</source>
        <translation>%1 ne contient aucun paramètre de Tickvane.</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <extracomment>%1 is the file, %2 why it was not imported (a whole sentence).</extracomment>
        <translation>%1 n&apos;a pas été importé : %2</translation>
    </message>
</context>
<context>
    <name>StoredChartSites</name>
    <message>
        <source>The key is missing.</source>
        <translation>La clé est absente.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number from 0 to %2.</source>
        <translation>&quot;%1&quot; n&apos;est pas un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>%1 names more chart sites than the %2 stored.</source>
        <extracomment>%1 is the count stored, %2 the number of chart sites found.</extracomment>
        <translation>%1 annonce plus de sites de graphiques que les %2 enregistrés.</translation>
    </message>
    <message numerus="yes">
        <source>The %n chart sites stored are kept.</source>
        <translation>
            <numerusform>Le %n site de graphiques enregistré est conservé.</numerusform>
            <numerusform>Les %n sites de graphiques enregistrés sont conservés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its pages are now &quot;%1.html&quot;.</source>
        <translation>Ses pages sont désormais &quot;%1.html&quot;.</translation>
    </message>
    <message>
        <source>The site is kept, switched off.</source>
        <translation>Le site est conservé, désactivé.</translation>
    </message>
    <message>
        <source>The site has no symbol forms.</source>
        <translation>Le site n&apos;a aucune forme du symbole.</translation>
    </message>
    <message>
        <source>section %1, %2: %3</source>
        <extracomment>%1 is a section of the settings file, %2 its key, %3 what is wrong with it.</extracomment>
        <translation>section %1, %2 : %3</translation>
    </message>
</context>
<context>
    <name>StoredStockList</name>
    <message>
        <source>%1 &quot;%2&quot; is not a number</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 &quot;%2&quot; n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 %2 is beyond the capacity</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 %2 dépasse la capacité</translation>
    </message>
    <message>
        <source>%1 %2 is past the records stored</source>
        <extracomment>%1 is a key of the settings file, %2 its value.</extracomment>
        <translation>%1 %2 dépasse les enregistrements stockés</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <extracomment>%1 is a key of the settings file.</extracomment>
        <translation>%1 est absent</translation>
    </message>
    <message>
        <source>kept %1 types and %2 stocks</source>
        <extracomment>Follows what was wrong with the stored stock list.</extracomment>
        <translation>%1 catégories et %2 actions conservées</translation>
    </message>
    <message numerus="yes">
        <source>dropped %n stocks without a type</source>
        <translation>
            <numerusform>%n action sans catégorie supprimée</numerusform>
            <numerusform>%n actions sans catégorie supprimées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SymbolFormEditor</name>
    <message>
        <source>Symbol form</source>
        <translation>Forme du symbole</translation>
    </message>
    <message>
        <source>&amp;Exchange</source>
        <translation>&amp;Bourse</translation>
    </message>
    <message>
        <source>Symbol &amp;form</source>
        <translation>&amp;Forme du symbole</translation>
    </message>
    <message>
        <source>A market of the list, or any market identifier code of four letters or digits</source>
        <translation>Un marché de la liste, ou tout code d&apos;identification de marché de quatre lettres ou chiffres</translation>
    </message>
    <message>
        <source>Put {symbol} where the stock&apos;s symbol goes, for example</source>
        <translation>Mettez {symbol} à la place du symbole de l&apos;action, par exemple</translation>
    </message>
    <message>
        <source>%1 has a symbol form already.</source>
        <translation>%1 a déjà une forme du symbole.</translation>
    </message>
    <message>
        <source>%1 or LSE:{symbol}</source>
        <extracomment>%1 is an example of a symbol form</extracomment>
        <translation>%1 ou LSE:{symbol}</translation>
    </message>
</context>
<context>
    <name>SymbolForms</name>
    <message>
        <source>&quot;%1&quot; is not an exchange and a symbol form joined by &quot;=&quot;.</source>
        <translation>&quot;%1&quot; n&apos;est pas une bourse et une forme du symbole reliées par &quot;=&quot;.</translation>
    </message>
    <message>
        <source>%1 has two symbol forms.</source>
        <extracomment>%1 is a market identifier code such as XLON</extracomment>
        <translation>%1 a deux formes du symbole.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a market identifier code of four letters or digits</source>
        <translation>&quot;%1&quot; n&apos;est pas un code d&apos;identification de marché de quatre lettres ou chiffres</translation>
    </message>
    <message>
        <source>The symbol form &quot;%1&quot; holds &quot;;&quot;, which no symbol form may hold.</source>
        <translation>La forme du symbole &quot;%1&quot; contient &quot;;&quot;, qu&apos;aucune forme du symbole ne peut contenir.</translation>
    </message>
    <message>
        <source>symbol form</source>
        <extracomment>what is wrong is shown &quot;in the symbol form&quot;</extracomment>
        <translation>la forme du symbole</translation>
    </message>
</context>
<context>
    <name>SymbolFormsDialog</name>
    <message>
        <source>Symbol forms</source>
        <translation>Formes du symbole</translation>
    </message>
    <message>
        <source>&amp;Symbol forms</source>
        <translation>&amp;Formes du symbole</translation>
    </message>
    <message>
        <source>&amp;Preset</source>
        <translation>&amp;Préréglage</translation>
    </message>
    <message>
        <source>Exchange</source>
        <translation>Bourse</translation>
    </message>
    <message>
        <source>Symbol form</source>
        <translation>Forme du symbole</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Symbol forms of %1</source>
        <extracomment>%1 is the name of a chart site</extracomment>
        <translation>Formes du symbole de %1</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>A&amp;jouter…</translation>
    </message>
    <message>
        <source>C&amp;hange…</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>R&amp;eset to preset</source>
        <translation>Réta&amp;blir le préréglage</translation>
    </message>
</context>
<context>
    <name>TreeDrop</name>
    <message>
        <source>Drag and drop</source>
        <extracomment>The name of the step in the Edit menu, as in &quot;Undo Drag and drop&quot;.</extracomment>
        <translation>Glisser-déposer</translation>
    </message>
</context>
<context>
    <name>TypeChangeDialog</name>
    <message>
        <source>Change type</source>
        <extracomment>also the dialog&apos;s title; Edit &gt; Undo names the move by it</extracomment>
        <translation>Changer de catégorie</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <extracomment>the type (category) the stock is moved to</extracomment>
        <translation>&amp;Catégorie</translation>
    </message>
</context>
<context>
    <name>TypeNameDialog</name>
    <message>
        <source>New or updated type</source>
        <translation>Catégorie nouvelle ou modifiée</translation>
    </message>
    <message>
        <source>&amp;Header text</source>
        <translation>&amp;Intitulé</translation>
    </message>
</context>
<context>
    <name>UndoSteps</name>
    <message>
        <source>Add stock</source>
        <translation>Ajouter une action</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Delete&quot;.</extracomment>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit</source>
        <extracomment>A step&apos;s name in the Edit menu, as in &quot;Undo Edit&quot;.</extracomment>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Add type</source>
        <translation>Ajouter une catégorie</translation>
    </message>
    <message>
        <source>Add stocks from list</source>
        <translation>Ajouter des actions depuis une liste</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importer les paramètres</translation>
    </message>
</context>
<context>
    <name>UnlessWindowOpen</name>
    <message>
        <source>Tickvane is open with %1; close it first, or import from its File menu.</source>
        <extracomment>%1 is the settings file.</extracomment>
        <translation>Tickvane est ouvert avec %1; fermez-le d&apos;abord, ou importez depuis son menu Fichier.</translation>
    </message>
</context>
<context>
    <name>UnlinkedAddresses</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>%1 is a key of the settings, %2 the file it is in.</extracomment>
        <translation>%1 dans %2</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>it is a folder</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read or written.</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>Yahoo</name>
    <message>
        <source>Basic</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>vs S&amp;P 500</source>
        <translation>comparé au S&amp;P 500</translation>
    </message>
    <message>
        <source>Moving Average</source>
        <translation>Moyenne mobile</translation>
    </message>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>5 days</source>
        <translation>5 jours</translation>
    </message>
    <message>
        <source>3 months</source>
        <translation>3 mois</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1 an</translation>
    </message>
    <message>
        <source>2 years</source>
        <translation>2 ans</translation>
    </message>
    <message>
        <source>5 years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>&amp;Time Period</source>
        <translation>&amp;Période</translation>
    </message>
    <message>
        <source>&amp;View Type</source>
        <translation>Type de &amp;vue</translation>
    </message>
    <message>
        <source>Yahoo Options</source>
        <translation>Options Yahoo</translation>
    </message>
    <message>
        <source>Cancel  changes</source>
        <translation>Annuler les modifications</translation>
    </message>
</context>
</TS>
