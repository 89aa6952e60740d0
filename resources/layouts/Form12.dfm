object Form12: TForm12
  OnShow = FormShow
  Caption = 'Crosstalk Calculator'
  ClientWidth = 580
  ClientHeight = 579
  BorderStyle = bsDialog
  Position = poScreenCenter
  ShowHint = True
  // " Crosstalk Calculator ", holds everything
  object GroupBox51: TGroupBox
    Left = 8
    Top = 8
    Width = 564
    Height = 563
    Caption = ' Crosstalk Calculator '
    TabOrder = 0
    TabStop = False
    // board traces
    object Image70: TImage
      Left = 16
      Top = 24
      Width = 532
      Height = 112
      Picture = 'xtalk_traces'
      Stretch = True
      Proportional = True
    end
    // " Substrate Options "
    object GroupBox52: TGroupBox
      Left = 16
      Top = 148
      Width = 304
      Height = 88
      Caption = ' Substrate Options '
      TabOrder = 1
      TabStop = False
      object Label189: TLabel
        Left = 16
        Top = 28
        Width = 112
        Height = 15
        Caption = 'Material Selection'
      end
      // substrate material
      object ComboBox1: TComboBox
        OnChange = ComboBox1Change
        OnKeyPress = ComboBox1KeyPress
        Left = 132
        Top = 24
        Width = 156
        Height = 22
        Style = csDropDownList
        DropDownCount = 16
        Hint = 'Select the PCB substrate.'
        TabOrder = 0
        TabStop = True
        Items.Strings = (
          'FR-4 STD'
          'FR-5'
          'FR406'
          'FR408'
          'Getek ML200C'
          'Getek ML200D'
          'Getek ML200M'
          'Getek RG200D'
          'Isola P95'
          'Isola P96'
          'Isola P26N'
          'RO2800'
          'RO3003'
          'RO3006'
          'RO3010'
          'RO4003'
          'RO4350'
          'RT5500'
          'RT5870'
          'RT5880'
          'RT6002'
          'RT6006'
          'RT6010'
          'Teflon PTFE'
          'Arlon 25N'
          'Arlon 33N'
          'Arlon 85N'
          'PCL-FR-226'
          'PCL-FR-240'
          'PCL-FR-370'
          'PCL-FR-370HR'
          'N4000-7 EF'
          'N4000-13'
          'N4000-13SI'
          'N4000-13 EP'
          'N4000-13 EPSI'
          'N4000-29'
          'N7000-1'
          'Ventec VT-47'
          'Ventec VT-901'
          'Ventec VT-90H'
          'Megtron6'
          'Kappa 438'
          'Kapton'
          'Air'
          'Custom')
        ItemIndex = 0
      end
      object Label190: TLabel
        Left = 16
        Top = 56
        Width = 17
        Height = 15
        Caption = 'Er'
      end
      // Er
      object Edit7: TEdit
        OnClick = Edit7Click
        OnExit = Edit7Exit
        OnKeyDown = Edit7KeyDown
        OnKeyPress = Edit7KeyPress
        Left = 132
        Top = 52
        Width = 72
        Height = 22
        Text = '4.6'
        Hint = 'Manually enter the PCB substrate''s dielectric constant if needed.'
        TabOrder = 1
        TabStop = True
        MaxLength = 8
      end
    end
    // microstrip or stripline
    object RadioGroup1: TRadioGroup
      OnClick = RadioGroup1Click
      Left = 336
      Top = 148
      Width = 212
      Height = 88
      Caption = ' Conductor Type '
      Hint = 'Passive circuit selection.'
      TabOrder = 2
      TabStop = True
      Items.Strings = (
        'Microstrip'
        'Stripline')
      ItemIndex = 0
    end
    object Label192: TLabel
      Left = 16
      Top = 260
      Width = 103
      Height = 15
      Caption = 'Signal Rise Time'
    end
    // rise time, ns
    object Edit146: TEdit
      OnKeyDown = Edit146KeyDown
      OnKeyPress = Edit146KeyPress
      Left = 164
      Top = 256
      Width = 80
      Height = 22
      Text = '1'
      Hint = 'Enter the signal rise time in nano seconds.'
      TabOrder = 3
      TabStop = True
    end
    // "ns"
    object Edit147: TEdit
      Left = 248
      Top = 256
      Width = 48
      Height = 22
      Text = 'ns'
      ReadOnly = True
      TabOrder = 20
      TabStop = False
    end
    object Label193: TLabel
      Left = 16
      Top = 288
      Width = 90
      Height = 15
      Caption = 'Signal Voltage'
    end
    // signal voltage
    object Edit148: TEdit
      OnKeyDown = Edit148KeyDown
      OnKeyPress = Edit148KeyPress
      Left = 164
      Top = 284
      Width = 80
      Height = 22
      Text = '5'
      Hint = 'Enter the signal voltage.'
      TabOrder = 4
      TabStop = True
    end
    // "Volts"
    object Edit149: TEdit
      Left = 248
      Top = 284
      Width = 48
      Height = 22
      Text = 'Volts'
      ReadOnly = True
      TabOrder = 21
      TabStop = False
    end
    object Label194: TLabel
      Left = 16
      Top = 316
      Width = 98
      Height = 15
      Caption = 'Coupled Length'
    end
    // coupled length
    object Edit195: TEdit
      OnKeyDown = Edit195KeyDown
      OnKeyPress = Edit195KeyPress
      Left = 164
      Top = 312
      Width = 80
      Height = 22
      Text = '250'
      Hint = 'Enter the length of coupling between the adjacent conductors.'
      TabOrder = 5
      TabStop = True
    end
    // unit of Edit195
    object Edit196: TEdit
      Left = 248
      Top = 312
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabOrder = 22
      TabStop = False
    end
    object Label195: TLabel
      Left = 16
      Top = 344
      Width = 138
      Height = 15
      Caption = 'Conductor Spacing (S)'
    end
    // spacing S
    object Edit203: TEdit
      OnKeyDown = Edit203KeyDown
      OnKeyPress = Edit203KeyPress
      Left = 164
      Top = 340
      Width = 80
      Height = 22
      Text = '10'
      Hint = 'Enter the spacing between the conductors.'
      TabOrder = 6
      TabStop = True
    end
    // unit of Edit203
    object Edit204: TEdit
      Left = 248
      Top = 340
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabOrder = 23
      TabStop = False
    end
    object Label196: TLabel
      Left = 16
      Top = 372
      Width = 132
      Height = 15
      Caption = 'Conductor Height (H)'
    end
    // height H
    object Edit197: TEdit
      OnKeyDown = Edit197KeyDown
      OnKeyPress = Edit197KeyPress
      Left = 164
      Top = 368
      Width = 80
      Height = 22
      Text = '30'
      Hint = 'Enter the conductor''s distance from the plane.'
      TabOrder = 7
      TabStop = True
    end
    // unit of Edit197
    object Edit198: TEdit
      Left = 248
      Top = 368
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabOrder = 24
      TabStop = False
    end
    // "Conductor Height (H1)", stripline only
    object Label197: TLabel
      Left = 16
      Top = 400
      Width = 139
      Height = 15
      Caption = 'Conductor Height (H1)'
      Visible = False
    end
    // height H1
    object Edit199: TEdit
      OnKeyDown = Edit199KeyDown
      OnKeyPress = Edit199KeyPress
      Left = 164
      Top = 396
      Width = 80
      Height = 22
      Text = '20'
      Hint = 'Enter the first conductor''s distance from the plane.'
      TabOrder = 8
      TabStop = True
      Visible = False
    end
    // unit of Edit199
    object Edit200: TEdit
      Left = 248
      Top = 396
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabOrder = 25
      TabStop = False
      Visible = False
    end
    // "Conductor Height (H2)", stripline only
    object Label198: TLabel
      Left = 16
      Top = 428
      Width = 139
      Height = 15
      Caption = 'Conductor Height (H2)'
      Visible = False
    end
    // height H2
    object Edit201: TEdit
      OnKeyDown = Edit201KeyDown
      OnKeyPress = Edit201KeyPress
      Left = 164
      Top = 424
      Width = 80
      Height = 22
      Text = '10'
      Hint = 'Enter the second conductor''s distance from the plane.'
      TabOrder = 9
      TabStop = True
      Visible = False
    end
    // unit of Edit201
    object Edit202: TEdit
      Left = 248
      Top = 424
      Width = 48
      Height = 22
      Text = 'mils'
      ReadOnly = True
      TabOrder = 26
      TabStop = False
      Visible = False
    end
    // microstrip cross-section
    object Image29: TImage
      Left = 320
      Top = 256
      Width = 228
      Height = 190
      Picture = 'xtalk_microstrip'
      Stretch = True
      Proportional = True
    end
    // stripline cross-section
    object Image30: TImage
      Left = 320
      Top = 256
      Width = 228
      Height = 190
      Picture = 'xtalk_stripline'
      Stretch = True
      Proportional = True
      Visible = False
    end
    object Label199: TLabel
      Left = 16
      Top = 476
      Width = 127
      Height = 15
      Caption = 'Crosstalk Coefficient'
    end
    // crosstalk coefficient, dB
    object Edit205: TEdit
      Left = 164
      Top = 472
      Width = 150
      Height = 22
      Text = ''
      Hint = 'Crosstalk coefficient per the given input data in dB.'
      ReadOnly = True
      TabOrder = 27
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    object Label210: TLabel
      Left = 16
      Top = 504
      Width = 102
      Height = 15
      Caption = 'Coupled Voltage'
    end
    // coupled voltage
    object Edit207: TEdit
      Left = 164
      Top = 500
      Width = 150
      Height = 22
      Text = ''
      Hint = 'Coupled voltage per the given input data.'
      ReadOnly = True
      TabOrder = 28
      TabStop = False
      Font.Color = clNavy
      Font.Style = [fsBold]
    end
    // "Solve!"
    object Button1: TButton
      Left = 460
      Top = 496
      Width = 88
      Height = 28
      Caption = 'Solve!'
      Hint = 'Solve using the given inputs.'
      TabOrder = 10
      TabStop = True
      OnClick = Button1Click
    end
  end
end
