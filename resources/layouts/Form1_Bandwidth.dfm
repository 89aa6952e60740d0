object GroupBox6: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Bandwidth && Max Conductor Length '
  object RadioGroup12: TRadioGroup
    OnClick = RadioGroup12Click
    Left = 16
    Top = 24
    Width = 160
    Height = 72
    Caption = ' Input Method '
    Hint = 'Select input method.'
    Items.Strings = (
      'Signal Risetime'
      'Frequency')
    ItemIndex = 0
    TabOrder = 0
  end
  object RadioGroup20: TRadioGroup
    OnClick = RadioGroup20Click
    Left = 192
    Top = 24
    Width = 168
    Height = 72
    Caption = ' f Units '
    Columns = 2
    Hint = 'Select units for frequency.'
    Items.Strings = (
      'GHz'
      'MHz'
      'KHz'
      'Hz')
    ItemIndex = 1
    Visible = False
    TabOrder = 1
  end
  object Label30: TLabel
    Left = 16
    Top = 104
    Width = 120
    Height = 15
    Caption = 'Signal Risetime'
  end
  object Edit19: TEdit
    OnKeyDown = Edit19KeyDown
    OnKeyPress = Edit19KeyPress
    Left = 16
    Top = 124
    Width = 110
    Height = 22
    Text = '1'
    MaxLength = 12
    Hint = 'Enter the signal risetime.'
    TabOrder = 2
  end
  object Edit279: TEdit
    Left = 146
    Top = 128
    Width = 28
    Height = 18
    Text = 'ns'
    ReadOnly = True
    TabStop = False
    TabOrder = 3
  end
  object GroupBox41: TGroupBox
    Left = 16
    Top = 168
    Width = 336
    Height = 248
    Caption = ' IPC-2251 Method '
    TabOrder = 5
    object Label791: TLabel
      Left = 16
      Top = 24
      Width = 160
      Height = 15
      Caption = 'Bandwidth'
    end
    object Edit22: TEdit
      OnKeyPress = Edit22KeyPress
      Left = 16
      Top = 44
      Width = 160
      Height = 22
      ReadOnly = True
      Hint = 'Bandwidth of signal pulse in MHz for given risetime.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 0
    end
    object Label792: TLabel
      Left = 16
      Top = 76
      Width = 232
      Height = 15
      Caption = 'Propagation Speed (C/Sqrt(Er))'
    end
    object Edit43: TEdit
      Left = 16
      Top = 96
      Width = 160
      Height = 22
      Hint = 'Speed at which a signal propagates in given substrate.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 1
    end
    object Label793: TLabel
      Left = 16
      Top = 128
      Width = 160
      Height = 15
      Caption = 'Sr Divide by Factor'
    end
    object TrackBar2: TTrackBar
      OnChange = TrackBar2Change
      Left = 16
      Top = 148
      Width = 160
      Height = 28
      Min = 0
      Max = 6
      Position = 1
      Frequency = 1
      Hint = 
        'Amount to divide Sr (Rise Distance) by for maximum conductor len' +
        'gth.'
      TabOrder = 2
    end
    object Edit44: TEdit
      Left = 184
      Top = 150
      Width = 72
      Height = 22
      Text = '0.25Sr'
      ReadOnly = True
      Enabled = False
      TabStop = False
      Hint = 'Value of Sr.'
      TabOrder = 3
    end
    object Label794: TLabel
      Left = 16
      Top = 184
      Width = 192
      Height = 15
      Caption = 'Maximum Conductor Length'
    end
    object Edit24: TEdit
      Left = 16
      Top = 204
      Width = 160
      Height = 22
      ReadOnly = True
      Hint = 
        'Maximum length a conductor can be before it is considered a tran' +
        'smission line. '
      Font.Color = clRed
      Font.Style = [fsBold]
      TabOrder = 4
    end
  end
  object GroupBox42: TGroupBox
    Left = 368
    Top = 168
    Width = 336
    Height = 248
    Caption = ' Frequency Domain Method '
    TabOrder = 6
    object Label795: TLabel
      Left = 16
      Top = 24
      Width = 176
      Height = 15
      Caption = 'Full Wavelength (In Air)'
    end
    object Edit23: TEdit
      Left = 16
      Top = 44
      Width = 160
      Height = 22
      ReadOnly = True
      Hint = 'Wavelength of signal.'
      Font.Color = clNavy
      Font.Style = [fsBold]
      TabOrder = 0
    end
    object Label796: TLabel
      Left = 16
      Top = 128
      Width = 176
      Height = 15
      Caption = 'Lambda Divide by Factor'
    end
    object TrackBar3: TTrackBar
      OnChange = TrackBar3Change
      Left = 16
      Top = 148
      Width = 160
      Height = 28
      Min = 0
      Max = 3
      Position = 1
      Frequency = 1
      Hint = 'Amount to divide Lambda by for maximum conductor length.'
      TabOrder = 1
    end
    object Edit47: TEdit
      Left = 184
      Top = 150
      Width = 72
      Height = 22
      Text = '1/7'
      ReadOnly = True
      Enabled = False
      TabStop = False
      Hint = 'Lambda divide by amount.'
      TabOrder = 2
    end
    object Label797: TLabel
      Left = 16
      Top = 184
      Width = 192
      Height = 15
      Caption = 'Maximum Conductor Length'
    end
    object Edit45: TEdit
      Left = 16
      Top = 204
      Width = 160
      Height = 22
      ReadOnly = True
      Hint = 
        'Maximum length a conductor can be before it is considered a tran' +
        'smission line. '
      Font.Color = clRed
      Font.Style = [fsBold]
      TabOrder = 3
    end
  end
  object Button10: TButton
    OnClick = Button10Click
    Left = 576
    Top = 432
    Width = 128
    Height = 30
    Caption = 'Speed of Light'
    Hint = 'Click for internet resource.'
    TabOrder = 7
  end
end
