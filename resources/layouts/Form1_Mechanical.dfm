object GroupBox11: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Mechanical Info '
  // wire gauge
  object GroupBox12: TGroupBox
    Left = 16
    Top = 24
    Width = 400
    Height = 224
    Caption = ' Wire Gauge '
    TabOrder = 0
    object Label74: TLabel
      Left = 16
      Top = 24
      Width = 72
      Height = 16
      Caption = 'AWG'
    end
    // wire gauge; its change is Solve
    object ComboBox3: TComboBox
      OnKeyPress = ComboBox3KeyPress
      Left = 16
      Top = 42
      Width = 72
      Height = 22
      Style = csDropDownList
      DropDownCount = 16
      Hint = 'Select the wire gauge.'
      Items.Strings = (
        '4/0'
        '3/0'
        '2/0'
        '1/0'
        '1'
        '2'
        '3'
        '4'
        '5'
        '6'
        '7'
        '8'
        '9'
        '10'
        '11'
        '12'
        '13'
        '14'
        '15'
        '16'
        '17'
        '18'
        '19'
        '20'
        '21'
        '22'
        '23'
        '24'
        '25'
        '26'
        '27'
        '28'
        '29'
        '30'
        '31'
        '32'
        '33'
        '34'
        '35'
        '36'
        '37'
        '38'
        '39'
        '40')
      ItemIndex = 0
      TabOrder = 0
      OnChange = Button1Click
    end
    object Label75: TLabel
      Left = 104
      Top = 24
      Width = 120
      Height = 16
      Caption = 'Diameter'
    end
    // diameter
    object Edit41: TEdit
      Left = 104
      Top = 42
      Width = 120
      Height = 22
      Text = ''
      Hint = 'Diameter of selected wire.'
      ReadOnly = True
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    // resistance heading, by units
    object Label200: TLabel
      Left = 240
      Top = 24
      Width = 136
      Height = 16
      Caption = 'Ohms per 1000 feet'
    end
    // resistance
    object Edit95: TEdit
      Left = 240
      Top = 42
      Width = 136
      Height = 22
      Text = ''
      Hint = 'Resistance of selected wire.'
      ReadOnly = True
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label201: TLabel
      Left = 104
      Top = 72
      Width = 132
      Height = 16
      Caption = 'Max amps for wiring'
    end
    // chassis-wiring current
    object Edit102: TEdit
      Left = 104
      Top = 90
      Width = 120
      Height = 22
      Text = ''
      Hint = 'Maximum estimated amps for chassis wiring of selected wire.'
      ReadOnly = True
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label99: TLabel
      Left = 240
      Top = 72
      Width = 136
      Height = 16
      Caption = 'Max amps, power tx'
    end
    // power-transmission current
    object Edit141: TEdit
      Left = 240
      Top = 90
      Width = 136
      Height = 22
      Text = ''
      Hint = 'Maximum amps for power transmission. 700circular mils per amp rule.'
      ReadOnly = True
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label24: TLabel
      Left = 16
      Top = 136
      Width = 84
      Height = 16
      Caption = 'Load (Amps)'
    end
    // wire load current
    object Edit146: TEdit
      OnKeyDown = Edit146KeyDown
      OnKeyPress = Edit146KeyPress
      Left = 104
      Top = 132
      Width = 80
      Height = 22
      Text = '5'
      Hint = 'Enter the load amperage flowing through the wire.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 1
    end
    object Label146: TLabel
      Left = 16
      Top = 164
      Width = 84
      Height = 16
      Caption = 'Wire Length'
    end
    // wire length
    object Edit148: TEdit
      OnKeyDown = Edit148KeyDown
      OnKeyPress = Edit148KeyPress
      Left = 104
      Top = 160
      Width = 80
      Height = 22
      Text = '10'
      Hint = 'Length of wire, in feet or meters, depending on the units selected.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 2
    end
    object Label28: TLabel
      Left = 16
      Top = 192
      Width = 84
      Height = 16
      Caption = 'Voltage Drop'
    end
    // wire voltage drop
    object Edit147: TEdit
      Left = 104
      Top = 188
      Width = 120
      Height = 22
      Text = 'Edit147'
      Hint = 'Voltage drop across wire for the selected length. One wire only.'
      ReadOnly = True
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    // note on the one-wire drop
    object BitBtn11: TBitBtn
      OnClick = BitBtn11Click
      Left = 228
      Top = 188
      Width = 22
      Height = 22
      Caption = '!'
      Hint = 'Attention!'
      Font.Color = clRed
      Font.Style = [fsBold]
      TabOrder = 3
    end
  end
  // drill chart
  object GroupBox14: TGroupBox
    Left = 424
    Top = 24
    Width = 285
    Height = 224
    Caption = ' Drill Chart '
    TabOrder = 1
    object Label202: TLabel
      Left = 20
      Top = 24
      Width = 72
      Height = 16
      Caption = 'Drill #'
    end
    object Label203: TLabel
      Left = 100
      Top = 24
      Width = 76
      Height = 16
      Caption = 'Dia(Inches)'
    end
    object Label204: TLabel
      Left = 180
      Top = 24
      Width = 72
      Height = 16
      Caption = 'Dia(mm)'
    end
    object Memo1: TMemo
      OnKeyPress = Memo1KeyPress
      Left = 16
      Top = 42
      Width = 253
      Height = 166
      Hint = 'Drill chart / Diameter of drills.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      ReadOnly = True
      WordWrap = False
      ScrollBars = ssVertical
      Lines.Strings = (
        '97'#9'0.0059'#9'0.14986'
        '96'#9'0.0063'#9'0.16002'
        '95'#9'0.0067'#9'0.17018'
        '94'#9'0.0071'#9'0.18034'
        '93'#9'0.0075'#9'0.1905'
        '92'#9'0.0079'#9'0.20066'
        '91'#9'0.0083'#9'0.21082'
        '90'#9'0.0087'#9'0.22098'
        '89'#9'0.0091'#9'0.23114'
        '88'#9'0.0095'#9'0.2413'
        '87'#9'0.0100'#9'0.2540'
        '86'#9'0.0105'#9'0.2667'
        '85'#9'0.0110'#9'0.2794'
        '84'#9'0.0115'#9'0.2921'
        '83'#9'0.0120'#9'0.3048'
        '82'#9'0.0125'#9'0.3175'
        '81'#9'0.0130'#9'0.3302'
        '80'#9'0.0135'#9'0.343'
        '79'#9'0.0145'#9'0.368'
        '78'#9'0.016'#9'0.406'
        '77'#9'0.018'#9'0.457'
        '76'#9'0.020'#9'0.508'
        '75'#9'0.021'#9'0.533'
        '74'#9'0.0225'#9'0.572'
        '73'#9'0.024'#9'0.610'
        '72'#9'0.025'#9'0.635'
        '71'#9'0.026'#9'0.660'
        '70'#9'0.028'#9'0.711'
        '69'#9'0.0292'#9'0.742'
        '68'#9'0.031'#9'0.787'
        '67'#9'0.032'#9'0.813'
        '66'#9'0.033'#9'0.838'
        '65'#9'0.035'#9'0.889'
        '64'#9'0.036'#9'0.914'
        '63'#9'0.037'#9'0.940'
        '62'#9'0.038'#9'0.965'
        '61'#9'0.039'#9'0.991'
        '60'#9'0.040'#9'1.016'
        '59'#9'0.041'#9'1.041'
        '58'#9'0.042'#9'1.067'
        '57'#9'0.043'#9'1.092'
        '56'#9'0.0465'#9'1.181'
        '55'#9'0.052'#9'1.321'
        '54'#9'0.055'#9'1.397'
        '53'#9'0.0595'#9'1.511'
        '52'#9'0.0635'#9'1.613'
        '51'#9'0.067'#9'1.702'
        '50'#9'0.070'#9'1.778'
        '49'#9'0.073'#9'1.854'
        '48'#9'0.076'#9'1.930'
        '47'#9'0.0785'#9'1.994'
        '46'#9'0.081'#9'2.057'
        '45'#9'0.082'#9'2.083'
        '44'#9'0.086'#9'2.184'
        '43'#9'0.089'#9'2.261'
        '42'#9'0.0935'#9'2.375'
        '41'#9'0.096'#9'2.438'
        '40'#9'0.098'#9'2.489'
        '39'#9'0.0995'#9'2.527'
        '38'#9'0.1015'#9'2.578'
        '37'#9'0.104'#9'2.642'
        '36'#9'0.1065'#9'2.705'
        '35'#9'0.110'#9'2.794'
        '34'#9'0.111'#9'2.819'
        '33'#9'0.113'#9'2.870'
        '32'#9'0.116'#9'2.946'
        '31'#9'0.120'#9'3.048'
        '30'#9'0.1285'#9'3.264'
        '29'#9'0.136'#9'3.454'
        '28'#9'0.1405'#9'3.569'
        '27'#9'0.144'#9'3.658'
        '26'#9'0.147'#9'3.734'
        '25'#9'0.1495'#9'3.797'
        '24'#9'0.152'#9'3.861'
        '23'#9'0.154'#9'3.912'
        '22'#9'0.157'#9'3.988'
        '21'#9'0.159'#9'4.039'
        '20'#9'0.161'#9'4.089'
        '19'#9'0.166'#9'4.216'
        '18'#9'0.1695'#9'4.305'
        '17'#9'0.173'#9'4.394'
        '16'#9'0.177'#9'4.496'
        '15'#9'0.180'#9'4.572'
        '14'#9'0.182'#9'4.623'
        '13'#9'0.185'#9'4.699'
        '12'#9'0.189'#9'4.801'
        '11'#9'0.191'#9'4.851'
        '10'#9'0.1935'#9'4.915'
        '9'#9'0.196'#9'4.978'
        '8'#9'0.199'#9'5.055'
        '7'#9'0.201'#9'5.105'
        '6'#9'0.204'#9'5.182'
        '5'#9'0.2055'#9'5.220'
        '4'#9'0.209'#9'5.309'
        '3'#9'0.213'#9'5.410'
        '2'#9'0.221'#9'5.613'
        '1'#9'0.228'#9'5.791'
        'A'#9'0.234'#9'5.944'
        'B'#9'0.238'#9'6.045'
        'C'#9'0.242'#9'6.147'
        'D'#9'0.246'#9'6.248'
        'E'#9'0.250'#9'6.350'
        'F'#9'0.257'#9'6.528'
        'G'#9'0.261'#9'6.629'
        'H'#9'0.266'#9'6.756'
        'I'#9'0.272'#9'6.909'
        'J'#9'0.277'#9'7.036'
        'K'#9'0.281'#9'7.137'
        'L'#9'0.290'#9'7.366'
        'M'#9'0.295'#9'7.493'
        'N'#9'0.302'#9'7.671'
        'O'#9'0.316'#9'8.026'
        'P'#9'0.323'#9'8.204'
        'Q'#9'0.332'#9'8.433'
        'R'#9'0.339'#9'8.611'
        'S'#9'0.348'#9'8.839'
        'T'#9'0.358'#9'9.093'
        'U'#9'0.368'#9'9.347'
        'V'#9'0.377'#9'9.576'
        'W'#9'0.386'#9'9.804'
        'X'#9'0.397'#9'10.08'
        'Y'#9'0.404'#9'10.26'
        'Z'#9'0.413'#9'10.49')
      TabOrder = 0
    end
  end
  // metric threads, shown in metric units
  object GroupBox46: TGroupBox
    Left = 16
    Top = 256
    Width = 693
    Height = 280
    Caption = ' Metric Screw Thread Sizes '
    TabOrder = 2
    object Label300: TLabel
      Left = 70
      Top = 24
      Width = 112
      Height = 16
      Caption = 'Outside Diameter'
    end
    object Label296: TLabel
      Left = 20
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Size'
    end
    object Label298: TLabel
      Left = 70
      Top = 40
      Width = 56
      Height = 16
      Caption = 'Metric'
    end
    object Label299: TLabel
      Left = 128
      Top = 40
      Width = 64
      Height = 16
      Caption = 'Imperial'
    end
    object Memo4: TMemo
      Left = 16
      Top = 60
      Width = 240
      Height = 204
      Hint = 'Metric screw thread size chart.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      WordWrap = False
      ScrollBars = ssVertical
      Lines.Strings = (
        'M1.6     1.6mm     0.063"'
        'M1.8     1.8mm     0.071"'
        'M2.0     2.0mm     0.078"'
        'M3.0     3.0mm     0.118"'
        'M3.5     3.5mm     0.138"'
        'M4.0     4.0mm     0.157"'
        'M5.0     5.0mm     0.197"'
        'M6.0     6.0mm     0.236"'
        'M7.0     7.0mm     0.275"'
        'M8.0     8.0mm     0.315"'
        'M10      10mm     0.394"'
        'M12      12mm     0.472"'
        'M14      14mm     0.551"'
        'M16      16mm     0.630"'
        'M18      18mm     0.708"'
        'M20      20mm     0.787"'
        'M21      21mm     0.827"'
        'M22      22mm     0.866"')
      TabOrder = 0
    end
  end
  // imperial threads, shown in imperial units
  object GroupBox19: TGroupBox
    Left = 16
    Top = 256
    Width = 693
    Height = 280
    Caption = ' Imperial Screw Thread Sizes '
    TabOrder = 3
    object Label217: TLabel
      Left = 140
      Top = 24
      Width = 176
      Height = 16
      Caption = 'Major Diameter'
    end
    object Label218: TLabel
      Left = 348
      Top = 24
      Width = 176
      Height = 16
      Caption = 'Pitch Diameter'
    end
    object Label219: TLabel
      Left = 556
      Top = 24
      Width = 104
      Height = 16
      Caption = 'Minor Diameter'
    end
    object Label205: TLabel
      Left = 20
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Size'
    end
    object Label206: TLabel
      Left = 92
      Top = 40
      Width = 40
      Height = 16
      Caption = 'Class'
    end
    object Label209: TLabel
      Left = 140
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Basic'
    end
    object Label207: TLabel
      Left = 204
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Max'
    end
    object Label208: TLabel
      Left = 268
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Min'
    end
    object Label213: TLabel
      Left = 348
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Basic'
    end
    object Label214: TLabel
      Left = 412
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Max'
    end
    object Label215: TLabel
      Left = 476
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Min'
    end
    object Label216: TLabel
      Left = 556
      Top = 40
      Width = 48
      Height = 16
      Caption = 'Max'
    end
    object Memo2: TMemo
      Left = 16
      Top = 60
      Width = 661
      Height = 204
      Hint = 'Imperial screw thread size chart.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      ReadOnly = True
      WordWrap = False
      ScrollBars = ssVertical
      Lines.Strings = (
        '0-80           2A         0.0600     0.0595      0.0563          0.0519     0.0514      0.0496          0.0442'
        '0-80           3A         0.0600     0.0600      0.0568          0.0519     0.0519      0.0506          0.0447'
        '1-64           2A         0.0730     0.0724      0.0686          0.0629     0.0623      0.0603          0.0532'
        '1-64           3A         0.0730     0.0730      0.0692          0.0629     0.0629      0.0614          0.0538'
        '1-72           2A         0.0730     0.0724      0.0689          0.0640     0.0634      0.0615          0.0554'
        '1-72           3A         0.0730     0.0730      0.0695          0.0640     0.0640      0.0626          0.0560'
        '2-56           2A         0.0860     0.0854      0.0813          0.0744     0.0738      0.0717          0.0635'
        '2-56           3A         0.0860     0.0860      0.0819          0.0744     0.0744      0.0728          0.0641'
        '2-64           2A         0.0860     0.0854      0.0816          0.0759     0.0753      0.0733          0.0662'
        '2-64           3A         0.0860     0.0860      0.0822          0.0759     0.0759      0.0744          0.0668'
        '3-48           2A         0.0990     0.0983      0.0938          0.0855     0.0848      0.0825          0.0727'
        '3-48           3A         0.0990     0.0990      0.0945          0.0855     0.0855      0.0838          0.0734'
        '3-56           2A         0.0990     0.0983      0.0942          0.0874     0.0867      0.0845          0.0764'
        '3-56           3A         0.0990     0.0990      0.0949          0.0874     0.0874      0.0858          0.0771'
        '4-40           2A         0.1120     0.1112      0.1061          0.0958     0.0950      0.0925          0.0805'
        '4-40           3A         0.1120     0.1120      0.1069          0.0958     0.0958      0.0939          0.0813'
        '4-48           2A         0.1120     0.1113      0.1068          0.0985     0.0978      0.0954          0.0857'
        '4-48           3A         0.1120     0.1120      0.1075          0.0985     0.0985      0.0967          0.0864'
        '5-40           2A         0.1250     0.1242      0.1191          0.1088     0.1080      0.1054          0.0935'
        '5-40           3A         0.1250     0.1250      0.1199          0.1088     0.1088      0.1069          0.0943'
        '5-44           2A         0.1250     0.1243      0.1195          0.1102     0.1095      0.1070          0.0964'
        '5-44           3A         0.1250     0.1250      0.1202          0.1102     0.1102      0.1083          0.0971'
        '6-32           2A         0.1380     0.1372      0.1312          0.1177     0.1169      0.1141          0.0989'
        '6-32           3A         0.1380     0.1380      0.1320          0.1177     0.1177      0.1156          0.0997'
        '6-40           2A         0.1380     0.1372      0.1321          0.1218     0.1210      0.1184          0.1065'
        '6-40           3A         0.1380     0.1380      0.1329          0.1218     0.1218      0.1198          0.1073'
        '8-32           2A         0.1640     0.1631      0.1571          0.1437     0.1428      0.1399          0.1248'
        '8-32           3A         0.1640     0.1640      0.1580          0.1437     0.1437      0.1415          0.1257'
        '8-36           2A         0.1640     0.1632      0.1577          0.1460     0.1452      0.1424          0.1291'
        '8-36           3A         0.1640     0.1640      0.1585          0.1460     0.1460      0.1439          0.1299'
        '10-24         2A         0.1900     0.1890      0.1818          0.1629     0.1619      0.1586          0.1379'
        '10-24         3A         0.1900     0.1900      0.1828          0.1629     0.1629      0.1604          0.1389'
        '10-32         2A         0.1900     0.1891      0.1831          0.1697     0.1688      0.1658          0.1508'
        '10-32         3A         0.1900     0.1900      0.1840          0.1697     0.1697      0.1674          0.1517'
        '1/4-20        2A         0.2500     0.2489      0.2408          0.2175     0.2164      0.2127          0.1876'
        '1/4-20        3A         0.2500     0.2500      0.2419          0.2175     0.2175      0.2147          0.1887'
        '1/4-28        2A         0.2500     0.2490      0.2425          0.2268     0.2258      0.2225          0.2052'
        '1/4-28        3A         0.2500     0.2500      0.2435          0.2268     0.2268      0.2243          0.2062'
        '5/16-18      2A         0.3125     0.3113      0.3026          0.2764     0.2752      0.2712          0.2431'
        '5/16-18      3A         0.3125     0.3125      0.3038          0.2764     0.2764      0.2734          0.2443'
        '5/16-24      2A         0.3125     0.3114      0.3042          0.2854     0.2843      0.2806          0.2603'
        '5/16-24      3A         0.3125     0.3125      0.3053          0.2854     0.2854      0.2827          0.2614'
        '3/8-16        2A         0.3750     0.3737      0.3643          0.3344     0.3331      0.3287          0.2970'
        '3/8-16        3A         0.3750     0.3750      0.3656          0.3344     0.3344      0.3311          0.2983'
        '3/8-24        2A         0.3750     0.3739      0.3667          0.3479     0.3468      0.3430          0.3228'
        '3/8-24        3A         0.3750     0.3750      0.3678          0.3479     0.3479      0.3450          0.3239'
        '7/16-14      2A         0.4375     0.4361      0.4258          0.3911     0.3897      0.3850          0.3485'
        '7/16-14      3A         0.4375     0.4375      0.4272          0.3911     0.3911      0.3876          0.3499'
        '7/16-20      2A         0.4375     0.4362      0.4281          0.4050     0.4037      0.3995          0.3749'
        '7/16-20      3A         0.4375     0.4375      0.4294          0.4050     0.4050      0.4019          0.3762')
      TabOrder = 0
    end
  end
end
