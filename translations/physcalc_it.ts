<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AttritoWindow</name>
    <message>
        <source>Friction</source>
        <translation>Attrito</translation>
    </message>
    <message>
        <source>Type two quantities of a group, then press the button beside the third.</source>
        <translation>Scrivi due grandezze di un gruppo, poi premi il pulsante accanto alla terza.</translation>
    </message>
    <message>
        <source>Static friction:  F = k · N</source>
        <translation>Attrito statico:  F = k · N</translation>
    </message>
    <message>
        <source>Friction &amp;force F:</source>
        <translation>&amp;Forza d&apos;attrito F:</translation>
    </message>
    <message>
        <source>Largest friction force before the body starts to slide, in newtons</source>
        <translation>Forza d&apos;attrito massima prima che il corpo inizi a scivolare, in newton</translation>
    </message>
    <message>
        <source>Static friction force</source>
        <translation>Forza d&apos;attrito statico</translation>
    </message>
    <message>
        <source>F = k · N</source>
        <translation>F = k · N</translation>
    </message>
    <message>
        <source>Static friction force from the coefficient and the normal force</source>
        <translation>Forza d&apos;attrito statico dal coefficiente e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute static friction force</source>
        <translation>Calcola la forza d&apos;attrito statico</translation>
    </message>
    <message>
        <source>&amp;Coefficient k:</source>
        <translation>&amp;Coefficiente k:</translation>
    </message>
    <message>
        <source>Coefficient of static friction, a pure number</source>
        <translation>Coefficiente d&apos;attrito statico, un numero puro</translation>
    </message>
    <message>
        <source>Static friction coefficient</source>
        <translation>Coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>k = F / N</source>
        <translation>k = F / N</translation>
    </message>
    <message>
        <source>Static friction coefficient from the friction force and the normal force</source>
        <translation>Coefficiente d&apos;attrito statico dalla forza d&apos;attrito e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute static friction coefficient</source>
        <translation>Calcola il coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>&amp;Normal force N:</source>
        <translation>Forza &amp;normale N:</translation>
    </message>
    <message>
        <source>Force pressing the surfaces together, in newtons</source>
        <translation>Forza che preme le superfici l&apos;una contro l&apos;altra, in newton</translation>
    </message>
    <message>
        <source>Normal force, static</source>
        <translation>Forza normale, attrito statico</translation>
    </message>
    <message>
        <source>N = F / k</source>
        <translation>N = F / k</translation>
    </message>
    <message>
        <source>Normal force from the static friction force and coefficient</source>
        <translation>Forza normale dalla forza e dal coefficiente d&apos;attrito statico</translation>
    </message>
    <message>
        <source>Compute normal force, static</source>
        <translation>Calcola la forza normale, attrito statico</translation>
    </message>
    <message>
        <source>Dynamic friction:  F = k · N</source>
        <translation>Attrito dinamico:  F = k · N</translation>
    </message>
    <message>
        <source>F&amp;riction force F:</source>
        <translation>Fo&amp;rza d&apos;attrito F:</translation>
    </message>
    <message>
        <source>Friction force on a sliding body, in newtons</source>
        <translation>Forza d&apos;attrito su un corpo che scivola, in newton</translation>
    </message>
    <message>
        <source>Dynamic friction force</source>
        <translation>Forza d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Dynamic friction force from the coefficient and the normal force</source>
        <translation>Forza d&apos;attrito dinamico dal coefficiente e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute dynamic friction force</source>
        <translation>Calcola la forza d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Coeff&amp;icient k:</source>
        <translation>Coeff&amp;iciente k:</translation>
    </message>
    <message>
        <source>Coefficient of dynamic (kinetic) friction, a pure number</source>
        <translation>Coefficiente d&apos;attrito dinamico, un numero puro</translation>
    </message>
    <message>
        <source>Dynamic friction coefficient</source>
        <translation>Coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Dynamic friction coefficient from the friction force and the normal force</source>
        <translation>Coefficiente d&apos;attrito dinamico dalla forza d&apos;attrito e dalla forza normale</translation>
    </message>
    <message>
        <source>Compute dynamic friction coefficient</source>
        <translation>Calcola il coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Nor&amp;mal force N:</source>
        <translation>Forza nor&amp;male N:</translation>
    </message>
    <message>
        <source>Normal force, dynamic</source>
        <translation>Forza normale, attrito dinamico</translation>
    </message>
    <message>
        <source>Normal force from the dynamic friction force and coefficient</source>
        <translation>Forza normale dalla forza e dal coefficiente d&apos;attrito dinamico</translation>
    </message>
    <message>
        <source>Compute normal force, dynamic</source>
        <translation>Calcola la forza normale, attrito dinamico</translation>
    </message>
</context>
<context>
    <name>CountPanel</name>
    <message>
        <source>Number of vectors</source>
        <translation>Numero di vettori</translation>
    </message>
    <message>
        <source>How many vectors do you want to add? Up to ten.</source>
        <translation>Quanti vettori vuoi sommare? Al massimo dieci.</translation>
    </message>
    <message>
        <source>&amp;Number of vectors:</source>
        <translation>&amp;Numero di vettori:</translation>
    </message>
    <message>
        <source>How many vectors you will enter, from 1 to 10</source>
        <translation>Quanti vettori inserirai, da 1 a 10</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close the vector tool</source>
        <translation>Chiudi la somma di vettori</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Inizia</translation>
    </message>
    <message>
        <source>Enter the vectors one by one (Return)</source>
        <translation>Inserisci i vettori uno alla volta (Invio)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizia</translation>
    </message>
</context>
<context>
    <name>ErrorWindow</name>
    <message>
        <source>Measurement errors</source>
        <translation>Errori di misura</translation>
    </message>
    <message>
        <source>Mean of a series of measurements</source>
        <translation>Media di una serie di misure</translation>
    </message>
    <message>
        <source>New &amp;value:</source>
        <translation>Nuovo &amp;valore:</translation>
    </message>
    <message>
        <source>One measurement of the series (Return adds it)</source>
        <translation>Una misura della serie (Invio la aggiunge)</translation>
    </message>
    <message>
        <source>Value to add</source>
        <translation>Valore da aggiungere</translation>
    </message>
    <message>
        <source>&amp;Add to mean</source>
        <translation>A&amp;ggiungi alla media</translation>
    </message>
    <message>
        <source>Count this value into the mean (Return)</source>
        <translation>Conta questo valore nella media (Invio)</translation>
    </message>
    <message>
        <source>Add to mean</source>
        <translation>Aggiungi alla media</translation>
    </message>
    <message>
        <source>&amp;Mean:</source>
        <translation>&amp;Media:</translation>
    </message>
    <message>
        <source>Mean of the values added since the series was last cleared</source>
        <translation>Media dei valori aggiunti dall&apos;ultimo azzeramento della serie</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>&amp;Show mean</source>
        <translation>Mostra la m&amp;edia</translation>
    </message>
    <message>
        <source>Show the mean of the values added so far</source>
        <translation>Mostra la media dei valori aggiunti finora</translation>
    </message>
    <message>
        <source>Show mean</source>
        <translation>Mostra la media</translation>
    </message>
    <message>
        <source>The mean shown stays until Show mean is pressed again.</source>
        <translation>La media mostrata resta finché non si preme di nuovo Mostra la media.</translation>
    </message>
    <message>
        <source>C&amp;lear values</source>
        <translation>A&amp;zzera i valori</translation>
    </message>
    <message>
        <source>Forget the values added so far and start a new series</source>
        <translation>Dimentica i valori aggiunti finora e inizia una nuova serie</translation>
    </message>
    <message>
        <source>Clear values</source>
        <translation>Azzera i valori</translation>
    </message>
    <message>
        <source>Absolute error:  Δx = ε · x</source>
        <translation>Errore assoluto:  Δx = ε · x</translation>
    </message>
    <message>
        <source>&amp;Relative error ε:</source>
        <translation>Errore &amp;relativo ε:</translation>
    </message>
    <message>
        <source>Relative error of the measurement, as a fraction (0.05 for 5 %)</source>
        <translation>Errore relativo della misura, come frazione (0.05 per il 5 %)</translation>
    </message>
    <message>
        <source>Relative error</source>
        <translation>Errore relativo</translation>
    </message>
    <message>
        <source>Measured value &amp;x:</source>
        <translation>Misura &amp;x:</translation>
    </message>
    <message>
        <source>The measured value, in its own unit</source>
        <translation>Il valore misurato, nella sua unità di misura</translation>
    </message>
    <message>
        <source>Measured value, for the absolute error</source>
        <translation>Misura, per l&apos;errore assoluto</translation>
    </message>
    <message>
        <source>Absolute error Δx:</source>
        <translation>Errore assoluto Δx:</translation>
    </message>
    <message>
        <source>Absolute error, in the unit of the measured value</source>
        <translation>Errore assoluto, nell&apos;unità di misura del valore misurato</translation>
    </message>
    <message>
        <source>Absolute error result</source>
        <translation>Risultato: errore assoluto</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Absolute error from the relative error and the value (Return)</source>
        <translation>Errore assoluto dall&apos;errore relativo e dalla misura (Invio)</translation>
    </message>
    <message>
        <source>Compute absolute error</source>
        <translation>Calcola l&apos;errore assoluto</translation>
    </message>
    <message>
        <source>Relative and percentage errors:  ε = Δx / x</source>
        <translation>Errore relativo e percentuale:  ε = Δx / x</translation>
    </message>
    <message>
        <source>A&amp;bsolute error Δx:</source>
        <translation>Errore &amp;assoluto Δx:</translation>
    </message>
    <message>
        <source>Absolute error of the measurement, in its unit</source>
        <translation>Errore assoluto della misura (per una serie di misure, la semidispersione), nella sua unità di misura</translation>
    </message>
    <message>
        <source>Absolute error</source>
        <translation>Errore assoluto</translation>
    </message>
    <message>
        <source>Meas&amp;ured value x:</source>
        <translation>Mi&amp;sura x:</translation>
    </message>
    <message>
        <source>The measured value, in the same unit as its error</source>
        <translation>Il valore misurato, nella stessa unità di misura del suo errore</translation>
    </message>
    <message>
        <source>Measured value, for the relative error</source>
        <translation>Misura, per l&apos;errore relativo</translation>
    </message>
    <message>
        <source>Relative error ε:</source>
        <translation>Errore relativo ε:</translation>
    </message>
    <message>
        <source>Relative error, as a fraction</source>
        <translation>Errore relativo, come frazione</translation>
    </message>
    <message>
        <source>Relative error result</source>
        <translation>Risultato: errore relativo</translation>
    </message>
    <message>
        <source>C&amp;ompute</source>
        <translation>Calc&amp;ola</translation>
    </message>
    <message>
        <source>Relative and percentage errors from the absolute error and the value (Return)</source>
        <translation>Errore relativo e percentuale dall&apos;errore assoluto e dalla misura (Invio)</translation>
    </message>
    <message>
        <source>Compute relative and percentage errors</source>
        <translation>Calcola l&apos;errore relativo e percentuale</translation>
    </message>
    <message>
        <source>Percentage (%):</source>
        <translation>Errore percentuale (%):</translation>
    </message>
    <message>
        <source>Relative error as a percentage</source>
        <translation>Errore relativo in percentuale</translation>
    </message>
    <message>
        <source>Percentage error result</source>
        <translation>Risultato: errore percentuale</translation>
    </message>
</context>
<context>
    <name>FluidWindow</name>
    <message>
        <source>Fluid pressure</source>
        <translation>Pressione nei fluidi</translation>
    </message>
    <message>
        <source>Type two quantities of a group, then press the button beside the third.</source>
        <translation>Scrivi due grandezze di un gruppo, poi premi il pulsante accanto alla terza.</translation>
    </message>
    <message>
        <source>Pressure on a surface:  p = F / A</source>
        <translation>Pressione su una superficie:  p = F / A</translation>
    </message>
    <message>
        <source>&amp;Force F:</source>
        <translation>&amp;Forza F:</translation>
    </message>
    <message>
        <source>Force acting on the surface, in newtons</source>
        <translation>Forza che agisce sulla superficie, in newton</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>F = p · A</source>
        <translation>F = p · A</translation>
    </message>
    <message>
        <source>Force from the pressure and the area</source>
        <translation>Forza dalla pressione e dall&apos;area</translation>
    </message>
    <message>
        <source>Compute force</source>
        <translation>Calcola la forza</translation>
    </message>
    <message>
        <source>&amp;Area A:</source>
        <translation>&amp;Area A:</translation>
    </message>
    <message>
        <source>Area of the surface, in square metres</source>
        <translation>Area della superficie, in metri quadrati</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>A = F / p</source>
        <translation>A = F / p</translation>
    </message>
    <message>
        <source>Area from the force and the pressure</source>
        <translation>Area dalla forza e dalla pressione</translation>
    </message>
    <message>
        <source>Compute area</source>
        <translation>Calcola l&apos;area</translation>
    </message>
    <message>
        <source>&amp;Pressure p:</source>
        <translation>&amp;Pressione p:</translation>
    </message>
    <message>
        <source>Pressure on the surface, in pascals</source>
        <translation>Pressione sulla superficie, in pascal</translation>
    </message>
    <message>
        <source>Pressure on the area</source>
        <translation>Pressione sulla superficie</translation>
    </message>
    <message>
        <source>p = F / A</source>
        <translation>p = F / A</translation>
    </message>
    <message>
        <source>Pressure from the force and the area</source>
        <translation>Pressione dalla forza e dall&apos;area</translation>
    </message>
    <message>
        <source>Compute pressure on the area</source>
        <translation>Calcola la pressione sulla superficie</translation>
    </message>
    <message>
        <source>Pressure at a depth in a liquid:  p = ρ · g · h,  g = 9.81 m/s²</source>
        <translation>Pressione idrostatica in un liquido:  p = ρ · g · h,  g = 9.81 m/s²</translation>
    </message>
    <message>
        <source>&amp;Density ρ:</source>
        <translation>&amp;Densità ρ:</translation>
    </message>
    <message>
        <source>Density of the liquid, in kilograms per cubic metre</source>
        <translation>Densità del liquido, in chilogrammi al metro cubo</translation>
    </message>
    <message>
        <source>Density of the liquid</source>
        <translation>Densità del liquido</translation>
    </message>
    <message>
        <source>ρ = p / (g · h)</source>
        <translation>ρ = p / (g · h)</translation>
    </message>
    <message>
        <source>Density from the pressure and the depth</source>
        <translation>Densità dalla pressione e dalla profondità</translation>
    </message>
    <message>
        <source>Compute density of the liquid</source>
        <translation>Calcola la densità del liquido</translation>
    </message>
    <message>
        <source>D&amp;epth h:</source>
        <translation>Pr&amp;ofondità h:</translation>
    </message>
    <message>
        <source>Depth below the surface of the liquid, in metres</source>
        <translation>Profondità sotto la superficie libera del liquido, in metri</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondità</translation>
    </message>
    <message>
        <source>h = p / (ρ · g)</source>
        <translation>h = p / (ρ · g)</translation>
    </message>
    <message>
        <source>Depth from the pressure and the density</source>
        <translation>Profondità dalla pressione e dalla densità</translation>
    </message>
    <message>
        <source>Compute depth</source>
        <translation>Calcola la profondità</translation>
    </message>
    <message>
        <source>Pre&amp;ssure p:</source>
        <translation>Pre&amp;ssione p:</translation>
    </message>
    <message>
        <source>Pressure of the liquid at that depth, in pascals</source>
        <translation>Pressione idrostatica a quella profondità, in pascal</translation>
    </message>
    <message>
        <source>Pressure at the depth</source>
        <translation>Pressione idrostatica</translation>
    </message>
    <message>
        <source>p = ρ · g · h</source>
        <translation>p = ρ · g · h</translation>
    </message>
    <message>
        <source>Pressure from the density and the depth</source>
        <translation>Pressione idrostatica dalla densità e dalla profondità</translation>
    </message>
    <message>
        <source>Compute pressure at the depth</source>
        <translation>Calcola la pressione idrostatica</translation>
    </message>
</context>
<context>
    <name>Interface</name>
    <message>
        <source>About PhysCalc</source>
        <translation>Informazioni su PhysCalc</translation>
    </message>
    <message>
        <source>&lt;h3&gt;PhysCalc %1&lt;/h3&gt;&lt;p&gt;A calculator for introductory physics: inclined plane, measurement errors, friction, torque, vector sum and fluid pressure.&lt;/p&gt;&lt;p&gt;Released under the MIT licence.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;PhysCalc %1&lt;/h3&gt;&lt;p&gt;Una calcolatrice per la fisica di base: piano inclinato, errori di misura, attrito, momento di una forza, somma di vettori e pressione nei fluidi.&lt;/p&gt;&lt;p&gt;Distribuita con licenza MIT.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>LauncherWindow</name>
    <message>
        <source>PhysCalc</source>
        <translation>PhysCalc</translation>
    </message>
    <message>
        <source>Choose a tool. Each window keeps what you typed until you quit.</source>
        <translation>Scegli uno strumento. Ogni finestra conserva ciò che hai scritto fino all&apos;uscita dal programma.</translation>
    </message>
    <message>
        <source>&amp;Inclined plane</source>
        <translation>&amp;Piano inclinato</translation>
    </message>
    <message>
        <source>Weight along and across a ramp, and its angle</source>
        <translation>Componenti parallela e perpendicolare della forza peso, e angolo del piano</translation>
    </message>
    <message>
        <source>Inclined plane</source>
        <translation>Piano inclinato</translation>
    </message>
    <message>
        <source>&amp;Measurement errors</source>
        <translation>&amp;Errori di misura</translation>
    </message>
    <message>
        <source>Mean, absolute, relative and percentage errors</source>
        <translation>Media, errore assoluto, relativo e percentuale</translation>
    </message>
    <message>
        <source>Measurement errors</source>
        <translation>Errori di misura</translation>
    </message>
    <message>
        <source>&amp;Friction</source>
        <translation>A&amp;ttrito</translation>
    </message>
    <message>
        <source>Static and dynamic friction, F&#xa0;=&#xa0;k&#xa0;·&#xa0;N</source>
        <translation>Attrito statico e dinamico, F&#xa0;=&#xa0;k&#xa0;·&#xa0;N</translation>
    </message>
    <message>
        <source>Friction</source>
        <translation>Attrito</translation>
    </message>
    <message>
        <source>To&amp;rque</source>
        <translation>&amp;Momento di una forza</translation>
    </message>
    <message>
        <source>Moment of a force, and of a couple</source>
        <translation>Momento di una forza e di una coppia di forze</translation>
    </message>
    <message>
        <source>Torque</source>
        <translation>Momento di una forza</translation>
    </message>
    <message>
        <source>&amp;Vector sum</source>
        <translation>Somma di &amp;vettori</translation>
    </message>
    <message>
        <source>Resultant of up to ten plane vectors</source>
        <translation>Risultante di un massimo di dieci vettori nel piano</translation>
    </message>
    <message>
        <source>Vector sum</source>
        <translation>Somma di vettori</translation>
    </message>
    <message>
        <source>Fluid &amp;pressure</source>
        <translation>Pressione nei &amp;fluidi</translation>
    </message>
    <message>
        <source>p&#xa0;=&#xa0;F&#xa0;/&#xa0;A, and p&#xa0;=&#xa0;ρ&#xa0;·&#xa0;g&#xa0;·&#xa0;h at a depth</source>
        <translation>p&#xa0;=&#xa0;F&#xa0;/&#xa0;A, e la pressione idrostatica p&#xa0;=&#xa0;ρ&#xa0;·&#xa0;g&#xa0;·&#xa0;h</translation>
    </message>
    <message>
        <source>Fluid pressure</source>
        <translation>Pressione nei fluidi</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;About PhysCalc</source>
        <translation>&amp;Informazioni su PhysCalc</translation>
    </message>
</context>
<context>
    <name>MomentoWindow</name>
    <message>
        <source>Torque</source>
        <translation>Momento di una forza</translation>
    </message>
    <message>
        <source>Force at distance d from the pivot, at angle α to the lever:  M = F · d · sin α</source>
        <translation>Forza a distanza d dal fulcro, con angolo α rispetto alla leva:  M = F · d · sin α</translation>
    </message>
    <message>
        <source>&amp;Force F:</source>
        <translation>&amp;Forza F:</translation>
    </message>
    <message>
        <source>The force, in newtons</source>
        <translation>La forza, in newton</translation>
    </message>
    <message>
        <source>Force</source>
        <translation>Forza</translation>
    </message>
    <message>
        <source>&amp;Distance d:</source>
        <translation>&amp;Distanza d:</translation>
    </message>
    <message>
        <source>Distance from the pivot to where the force acts, in metres</source>
        <translation>Distanza dal fulcro al punto di applicazione della forza, in metri</translation>
    </message>
    <message>
        <source>Distance from the pivot</source>
        <translation>Distanza dal fulcro</translation>
    </message>
    <message>
        <source>&amp;Angle α:</source>
        <translation>&amp;Angolo α:</translation>
    </message>
    <message>
        <source>Angle between the force and the lever, in degrees</source>
        <translation>Angolo tra la forza e la leva, in gradi</translation>
    </message>
    <message>
        <source>Angle between force and lever</source>
        <translation>Angolo tra forza e leva</translation>
    </message>
    <message>
        <source>Moment M (N·m):</source>
        <translation>Momento M (N·m):</translation>
    </message>
    <message>
        <source>Moment of the force about the pivot, in newton metres</source>
        <translation>Momento della forza rispetto al fulcro, in newton per metro</translation>
    </message>
    <message>
        <source>Moment of the force</source>
        <translation>Momento della forza</translation>
    </message>
    <message>
        <source>&amp;Compute</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>M = F · d · sin α (Return)</source>
        <translation>M = F · d · sin α (Invio)</translation>
    </message>
    <message>
        <source>Compute moment of the force</source>
        <translation>Calcola il momento della forza</translation>
    </message>
    <message>
        <source>Couple of opposite forces F, at arm b:  M = F · b</source>
        <translation>Coppia di forze opposte F, con braccio b:  M = F · b</translation>
    </message>
    <message>
        <source>F&amp;orce F:</source>
        <translation>F&amp;orza F:</translation>
    </message>
    <message>
        <source>Each of the two opposite forces, in newtons</source>
        <translation>Ciascuna delle due forze opposte, in newton</translation>
    </message>
    <message>
        <source>Force of the couple</source>
        <translation>Forza della coppia</translation>
    </message>
    <message>
        <source>Arm &amp;b:</source>
        <translation>&amp;Braccio b:</translation>
    </message>
    <message>
        <source>Distance between the lines of the two forces, in metres</source>
        <translation>Distanza tra le rette d&apos;azione delle due forze, in metri</translation>
    </message>
    <message>
        <source>Arm of the couple</source>
        <translation>Braccio della coppia</translation>
    </message>
    <message>
        <source>Moment of the couple, in newton metres</source>
        <translation>Momento della coppia, in newton per metro</translation>
    </message>
    <message>
        <source>Moment of the couple</source>
        <translation>Momento della coppia</translation>
    </message>
    <message>
        <source>Co&amp;mpute</source>
        <translation>Ca&amp;lcola</translation>
    </message>
    <message>
        <source>M = F · b (Return)</source>
        <translation>M = F · b (Invio)</translation>
    </message>
    <message>
        <source>Compute moment of the couple</source>
        <translation>Calcola il momento della coppia</translation>
    </message>
</context>
<context>
    <name>NewVectorSheet</name>
    <message>
        <source>New vector</source>
        <translation>Nuovo vettore</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>A name for the vector, used only in the list and the picture</source>
        <translation>Un nome per il vettore, usato solo nell&apos;elenco e nel disegno</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>&amp;Magnitude:</source>
        <translation>&amp;Modulo:</translation>
    </message>
    <message>
        <source>Length of the vector, in one unit for all the vectors (N, m, m/s, ...)</source>
        <translation>Modulo (intensità) del vettore, nella stessa unità di misura per tutti i vettori (N, m, m/s, ...)</translation>
    </message>
    <message>
        <source>Magnitude</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>In one unit for all the vectors</source>
        <translation>Nella stessa unità di misura per tutti i vettori</translation>
    </message>
    <message>
        <source>units</source>
        <translation>unità</translation>
    </message>
    <message>
        <source>&amp;Angle from the x axis:</source>
        <translation>&amp;Angolo con l&apos;asse x:</translation>
    </message>
    <message>
        <source>Angle between the vector and the x axis, inside its quadrant, in degrees; ignored for a direction along an axis</source>
        <translation>Angolo tra il vettore e l&apos;asse x, all&apos;interno del suo quadrante, in gradi; ignorato per una direzione lungo un asse</translation>
    </message>
    <message>
        <source>Angle in degrees</source>
        <translation>Angolo in gradi</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>&amp;Direzione:</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Signs of the x and y components: ++ first quadrant, -+ second, -- third, +- fourth; or along an axis: x +, x -, y +, y -, where the angle is ignored</source>
        <translation>Segni delle componenti x e y: ++ primo quadrante, -+ secondo, -- terzo, +- quarto; oppure lungo un asse: x +, x -, y +, y -, dove l&apos;angolo è ignorato</translation>
    </message>
    <message>
        <source>The signs of the x and y components: ++ first quadrant, -+ second, -- third, +- fourth; or along an axis: x +, x -, y +, y - (the angle is then ignored)</source>
        <translation>I segni delle componenti x e y: ++ primo quadrante, -+ secondo, -- terzo, +- quarto; oppure lungo un asse: x +, x -, y +, y - (l&apos;angolo allora è ignorato)</translation>
    </message>
    <message>
        <source>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;++&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↗&lt;/td&gt;&lt;td&gt;first quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;→&lt;/td&gt;&lt;td&gt;along +x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;-+&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↖&lt;/td&gt;&lt;td&gt;second quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;←&lt;/td&gt;&lt;td&gt;along −x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;--&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↙&lt;/td&gt;&lt;td&gt;third quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↑&lt;/td&gt;&lt;td&gt;along +y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+-&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↘&lt;/td&gt;&lt;td&gt;fourth quadrant&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↓&lt;/td&gt;&lt;td&gt;along −y&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;Along an axis the angle is ignored.</source>
        <translation>&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;1&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;++&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↗&lt;/td&gt;&lt;td&gt;primo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;→&lt;/td&gt;&lt;td&gt;lungo +x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;-+&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↖&lt;/td&gt;&lt;td&gt;secondo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;x -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;←&lt;/td&gt;&lt;td&gt;lungo −x&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;--&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↙&lt;/td&gt;&lt;td&gt;terzo quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y +&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↑&lt;/td&gt;&lt;td&gt;lungo +y&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;b&gt;+-&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↘&lt;/td&gt;&lt;td&gt;quarto quadrante&amp;#160;&amp;#160;&amp;#160;&lt;/td&gt;&lt;td&gt;&lt;b&gt;y -&lt;/b&gt;&lt;/td&gt;&lt;td&gt;↓&lt;/td&gt;&lt;td&gt;lungo −y&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;Lungo un asse l&apos;angolo è ignorato.</translation>
    </message>
    <message>
        <source>Add &amp;vector</source>
        <translation>Aggiungi &amp;vettore</translation>
    </message>
    <message>
        <source>Store this vector (Return)</source>
        <translation>Memorizza questo vettore (Invio)</translation>
    </message>
    <message>
        <source>Add vector</source>
        <translation>Aggiungi vettore</translation>
    </message>
</context>
<context>
    <name>NumberHint</name>
    <message>
        <source>Numbers are typed with a point, as in 2.5.</source>
        <translation>I numeri si scrivono con il punto, come in 2.5 (non 2,5).</translation>
    </message>
</context>
<context>
    <name>PianoWindow</name>
    <message>
        <source>Inclined plane</source>
        <translation>Piano inclinato</translation>
    </message>
    <message>
        <source>Body and ramp</source>
        <translation>Corpo e piano inclinato</translation>
    </message>
    <message>
        <source>&amp;Weight W:</source>
        <translation>Forza &amp;peso P:</translation>
    </message>
    <message>
        <source>Weight of the body, in newtons</source>
        <translation>Forza peso del corpo, in newton</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Forza peso</translation>
    </message>
    <message>
        <source>&amp;Height h:</source>
        <translation>&amp;Altezza h:</translation>
    </message>
    <message>
        <source>Height of the ramp (vertical side), in metres</source>
        <translation>Altezza del piano inclinato (cateto verticale), in metri</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <source>&amp;Base b:</source>
        <translation>&amp;Base b:</translation>
    </message>
    <message>
        <source>Base of the ramp (horizontal side), in metres</source>
        <translation>Base del piano inclinato (cateto orizzontale), in metri</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>&amp;Length l:</source>
        <translation>&amp;Lunghezza l:</translation>
    </message>
    <message>
        <source>Length of the ramp (sloping side), in metres</source>
        <translation>Lunghezza del piano inclinato (ipotenusa), in metri</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Lunghezza</translation>
    </message>
    <message>
        <source>&amp;Analyze</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Resolve the weight along and across the ramp and find its angle (Return)</source>
        <translation>Scomponi la forza peso parallelamente e perpendicolarmente al piano e trova l&apos;angolo del piano (Invio)</translation>
    </message>
    <message>
        <source>Analyze</source>
        <translation>Calcola le componenti</translation>
    </message>
    <message>
        <source>Components of the weight</source>
        <translation>Componenti della forza peso</translation>
    </message>
    <message>
        <source>P&amp;erpendicular to the ramp:</source>
        <translation>Componente p&amp;erpendicolare:</translation>
    </message>
    <message>
        <source>Component of the weight pressing the body onto the ramp, in newtons</source>
        <translation>Componente della forza peso che preme il corpo sul piano, in newton</translation>
    </message>
    <message>
        <source>Perpendicular component</source>
        <translation>Componente perpendicolare</translation>
    </message>
    <message>
        <source>Pa&amp;rallel to the ramp:</source>
        <translation>Componente pa&amp;rallela:</translation>
    </message>
    <message>
        <source>Component of the weight pulling the body down the ramp, in newtons</source>
        <translation>Componente della forza peso che tira il corpo giù lungo il piano, in newton</translation>
    </message>
    <message>
        <source>Parallel component</source>
        <translation>Componente parallela</translation>
    </message>
    <message>
        <source>Ramp at a glance</source>
        <translation>Il piano inclinato in sintesi</translation>
    </message>
    <message>
        <source>Sketch of the ramp</source>
        <translation>Disegno del piano inclinato</translation>
    </message>
    <message>
        <source>A right-angled ramp with height h, base b, sloping length l and angle alpha; the weight W of a body on it splits into W perpendicular and W parallel to the slope.</source>
        <translation>Un piano inclinato a forma di triangolo rettangolo, con altezza h, base b, lunghezza l e angolo alfa; la forza peso P di un corpo appoggiato si scompone in P perpendicolare e P parallela al piano.</translation>
    </message>
    <message>
        <source>Height h:</source>
        <translation>Altezza h:</translation>
    </message>
    <message>
        <source>Sketch height</source>
        <translation>Altezza nel disegno</translation>
    </message>
    <message>
        <source>Base b:</source>
        <translation>Base b:</translation>
    </message>
    <message>
        <source>Sketch base</source>
        <translation>Base nel disegno</translation>
    </message>
    <message>
        <source>Length l:</source>
        <translation>Lunghezza l:</translation>
    </message>
    <message>
        <source>Sketch length</source>
        <translation>Lunghezza nel disegno</translation>
    </message>
    <message>
        <source>Angle α:</source>
        <translation>Angolo α:</translation>
    </message>
    <message>
        <source>Angle of the ramp, in degrees</source>
        <translation>Angolo del piano inclinato, in gradi</translation>
    </message>
    <message>
        <source>Sketch angle</source>
        <translation>Angolo nel disegno</translation>
    </message>
    <message>
        <source>W⊥:</source>
        <translation>P⊥:</translation>
    </message>
    <message>
        <source>Sketch perpendicular component</source>
        <translation>Componente perpendicolare nel disegno</translation>
    </message>
    <message>
        <source>W∥:</source>
        <translation>P∥:</translation>
    </message>
    <message>
        <source>Sketch parallel component</source>
        <translation>Componente parallela nel disegno</translation>
    </message>
</context>
<context>
    <name>RampSketch</name>
    <message>
        <source>W</source>
        <comment>symbol of the weight</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>W⊥</source>
        <comment>perpendicular component</comment>
        <translation>P⊥</translation>
    </message>
    <message>
        <source>W∥</source>
        <comment>parallel component</comment>
        <translation>P∥</translation>
    </message>
</context>
<context>
    <name>VectorsController</name>
    <message>
        <source>No vectors entered.</source>
        <translation>Nessun vettore inserito.</translation>
    </message>
    <message>
        <source>%1: code &quot;%2&quot; names no direction; ignored</source>
        <translation>%1: il codice &quot;%2&quot; non indica alcuna direzione; ignorato</translation>
    </message>
    <message>
        <source>%1 of %2 vectors drawn tip to tail from the origin; the resultant follows the last one.</source>
        <translation>%1 vettori su %2 disegnati punta-coda a partire dall&apos;origine; la risultante segue l&apos;ultimo.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin (%2 ignored: code names no direction). Resultant R: x component %3, y component %4, magnitude %5, direction %6 degrees counter-clockwise from the +x axis.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine (%2 ignorati: il codice non indica alcuna direzione). Risultante R: componente x %3, componente y %4, modulo %5, direzione %6 gradi in senso antiorario dal semiasse +x.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin (%2 ignored: code names no direction). Resultant R: x component %3, y component %4, magnitude %5, no direction.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine (%2 ignorati: il codice non indica alcuna direzione). Risultante R: componente x %3, componente y %4, modulo %5, nessuna direzione.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin. Resultant R: x component %3, y component %4, magnitude %5, direction %6 degrees counter-clockwise from the +x axis.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine. Risultante R: componente x %3, componente y %4, modulo %5, direzione %6 gradi in senso antiorario dal semiasse +x.</translation>
    </message>
    <message>
        <source>%1 vectors drawn tip to tail from the origin. Resultant R: x component %3, y component %4, magnitude %5, no direction.</source>
        <translation>%1 vettori disegnati punta-coda a partire dall&apos;origine. Risultante R: componente x %3, componente y %4, modulo %5, nessuna direzione.</translation>
    </message>
    <message>
        <source>R = %1 at %2 from +x</source>
        <translation>R = %1 a %2 da +x</translation>
    </message>
    <message>
        <source>R = %1, no direction</source>
        <translation>R = %1, nessuna direzione</translation>
    </message>
</context>
<context>
    <name>VectorsWindow</name>
    <message>
        <source>Vector sum</source>
        <translation>Somma di vettori</translation>
    </message>
    <message>
        <source>Vectors entered (name/magnitude/angle/direction)</source>
        <translation>Vettori inseriti (nome/modulo/angolo/direzione)</translation>
    </message>
    <message>
        <source>List of vectors</source>
        <translation>Elenco dei vettori</translation>
    </message>
    <message>
        <source>One line per vector: name/magnitude/angle/direction</source>
        <translation>Una riga per vettore: nome/modulo/angolo/direzione</translation>
    </message>
    <message>
        <source>Resultant</source>
        <translation>Risultante</translation>
    </message>
    <message>
        <source>&amp;x component Rx:</source>
        <translation>Componente &amp;x Rx:</translation>
    </message>
    <message>
        <source>Sum of the x components, in the unit of the magnitudes</source>
        <translation>Somma delle componenti x, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant x component</source>
        <translation>Componente x della risultante</translation>
    </message>
    <message>
        <source>&amp;y component Ry:</source>
        <translation>Componente &amp;y Ry:</translation>
    </message>
    <message>
        <source>Sum of the y components, in the unit of the magnitudes</source>
        <translation>Somma delle componenti y, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant y component</source>
        <translation>Componente y della risultante</translation>
    </message>
    <message>
        <source>&amp;Magnitude R:</source>
        <translation>&amp;Modulo R:</translation>
    </message>
    <message>
        <source>Length of the resultant, in the unit of the magnitudes</source>
        <translation>Modulo della risultante, nell&apos;unità di misura dei moduli</translation>
    </message>
    <message>
        <source>Resultant magnitude</source>
        <translation>Modulo della risultante</translation>
    </message>
    <message>
        <source>Tip to tail</source>
        <translation>Metodo punta-coda</translation>
    </message>
    <message>
        <source>Picture of the vectors</source>
        <translation>Disegno dei vettori</translation>
    </message>
    <message>
        <source>No vectors entered.</source>
        <translation>Nessun vettore inserito.</translation>
    </message>
    <message>
        <source>To sum a new set, open Vector sum again from the launcher: a new count replaces these vectors.</source>
        <translation>Per sommare un nuovo gruppo di vettori, riapri Somma di vettori dalla finestra principale: il nuovo numero sostituisce questi vettori.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Forget the vectors entered and blank the results</source>
        <translation>Dimentica i vettori inseriti e svuota i risultati</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
</context>
</TS>
